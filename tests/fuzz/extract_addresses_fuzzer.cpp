// Addresses are taken from any bytes without harm; every line of the result is a match of the
// text or the text itself.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "screening/text_tools.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarn::screening;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string addresses = ExtractAddresses(text);
    if (addresses.size() > text.size() * 2 + 2) std::abort();
    UniqueSortedLines(addresses);
    return 0;
}
