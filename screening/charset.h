#pragma once

#include <string>
#include <string_view>

namespace tarn::screening {

// The character set that a message's transport headers declare: the first "charset="
// parameter (name in any letter case, value quoted or not, hyphens allowed, ended by
// whitespace or ';'), else a charset named by an encoded word at the start of the Subject.
// Empty when there is none. A failure of the pattern matcher (its match limit, memory) is
// raised; the add-in then screens the message as one without a charset.
std::string ExtractCharset(std::string_view transport_headers);

}  // namespace tarn::screening
