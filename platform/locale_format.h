#pragma once

#include <string>

#include "platform/clock.h"

namespace tarn::platform {

// The user's regional formats.
class LocaleFormat {
public:
    virtual ~LocaleFormat() = default;
    // The user's short date, a blank and the user's long time; the date alone at exactly
    // midnight. 8-bit text in the system code page.
    virtual std::string DateTimeText(const LocalTime& time) = 0;
    // The character between the integer and the fraction of a number.
    virtual char DecimalSeparator() = 0;
};

// A number in the general form: the shortest text that shows it to 15 significant digits,
// fixed-point unless it needs an exponent ("2.5", "1", "0.001", "1E20"), with the given
// decimal separator.
std::string GeneralNumberText(long double value, char decimal_separator);

}  // namespace tarn::platform
