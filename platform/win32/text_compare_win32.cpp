// The user locale's linguistic comparison with case ignored, as Windows sorts list boxes.
#include <windows.h>

#include <limits>

#include "platform/text_compare.h"

namespace tarn::platform {

int CompareTextIgnoreCase(std::string_view left, std::string_view right) {
    constexpr std::size_t Limit = static_cast<std::size_t>(std::numeric_limits<int>::max());
    const int result = CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, left.data(),
                                      static_cast<int>(std::min(left.size(), Limit)), right.data(),
                                      static_cast<int>(std::min(right.size(), Limit)));
    return result - CSTR_EQUAL;  // CSTR_LESS_THAN 1, CSTR_EQUAL 2, CSTR_GREATER_THAN 3
}

}  // namespace tarn::platform
