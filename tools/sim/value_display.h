#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tarn::tools::sim {

// A property value as a terminal can show it safely: in double quotes; CR, LF, tab, backslash
// and double quote escaped as \r \n \t \\ \"; every other control character and every byte
// from 0x80 up as \xHH.
// A value longer than `limit` bytes shows its first `limit` bytes and then its full length.
std::string DisplayValue(std::string_view value, std::size_t limit);

}  // namespace tarn::tools::sim
