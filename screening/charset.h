#pragma once

#include <string>
#include <string_view>

namespace tarn::screening {

// The character set that a message's transport headers declare: the first "charset="
// parameter (name in any letter case, value quoted or not, hyphens allowed, ended by
// whitespace or ';'), else a charset named by an encoded word at the start of the Subject.
// Empty when there is none, or when the extraction fails.
std::string ExtractCharset(std::string_view transport_headers) noexcept;

}  // namespace tarn::screening
