#include "platform/fixed_locale_format.h"

namespace tarn::platform {

namespace {

// At least `width` digits, zeros in front.
std::string Digits(int value, std::size_t width) {
    std::string text = std::to_string(value);
    if (text.size() < width) text.insert(0, width - text.size(), '0');
    return text;
}

}  // namespace

std::string FixedLocaleFormat::DateTimeText(const LocalTime& time) {
    std::string text = std::to_string(time.month) + '/' + std::to_string(time.day) + '/' + Digits(time.year, 4);
    if (time.hour == 0 && time.minute == 0 && time.second == 0) return text;
    const int twelve_hour = time.hour % 12 == 0 ? 12 : time.hour % 12;
    text += ' ' + std::to_string(twelve_hour) + ':' + Digits(time.minute, 2) + ':' + Digits(time.second, 2) +
            (time.hour < 12 ? " AM" : " PM");
    return text;
}

}  // namespace tarn::platform
