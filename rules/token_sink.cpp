#include "rules/token_sink.h"

namespace tarn::rules {

void TokenWriter::Append(Number number) noexcept {
    char digits[10];
    std::size_t count = 0;
    unsigned value = number.value;
    do {
        digits[sizeof digits - ++count] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    Append(std::string_view(digits + sizeof digits - count, count));
}

}  // namespace tarn::rules
