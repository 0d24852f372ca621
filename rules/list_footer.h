#pragma once

#include <cstddef>
#include <string_view>

namespace tarn::rules {

// Where the footer that a mailing list's server adds to each message starts in a body, or
// npos when the body has none. A list footer names the list and links to its "listinfo" page;
// it starts at the separator line above that link ("-- ", or a line of underscores, dashes or
// equals signs), or else at the line of the link. Like the list's header fields it names the
// list the user chose to read and says nothing of the message's author.
std::size_t ListFooterStart(std::string_view body) noexcept;

}  // namespace tarn::rules
