#include "platform/win32/win32_locale_format.h"

#include <windows.h>

#include "platform/codepage.h"

namespace tarn::platform {

namespace {

// The text a Win32 formatting function writes: `format(buffer, size)` returns the characters
// written with the terminating zero, or the size needed when `size` is 0; 0 on failure.
template <class Format>
std::u16string FormattedText(Format format) {
    const int needed = format(nullptr, 0);
    if (needed <= 0) return {};
    std::u16string text(static_cast<std::size_t>(needed), u'\0');
    const int written = format(reinterpret_cast<wchar_t*>(text.data()), needed);
    text.resize(written > 0 ? static_cast<std::size_t>(written) - 1 : 0);
    return text;
}

SYSTEMTIME ToSystemTime(const LocalTime& time) {
    SYSTEMTIME system{};
    system.wYear = static_cast<WORD>(time.year);
    system.wMonth = static_cast<WORD>(time.month);
    system.wDay = static_cast<WORD>(time.day);
    system.wHour = static_cast<WORD>(time.hour);
    system.wMinute = static_cast<WORD>(time.minute);
    system.wSecond = static_cast<WORD>(time.second);
    return system;
}

}  // namespace

std::string Win32LocaleFormat::DateTimeText(const LocalTime& time) {
    const SYSTEMTIME system = ToSystemTime(time);
    std::u16string text = FormattedText([&system](wchar_t* buffer, int size) {
        return GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &system, nullptr, buffer, size);
    });
    if (time.hour == 0 && time.minute == 0 && time.second == 0) return Narrow(text);
    const std::u16string time_of_day = FormattedText([&system](wchar_t* buffer, int size) {
        return GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &system, nullptr, buffer, size);
    });
    if (!text.empty() && !time_of_day.empty()) text += u' ';
    return Narrow(text + time_of_day);
}

char Win32LocaleFormat::DecimalSeparator() {
    const std::u16string separator = FormattedText(
        [](wchar_t* buffer, int size) { return GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buffer, size); });
    if (separator.empty()) return '.';
    return Narrow(separator.substr(0, 1)).front();
}

}  // namespace tarn::platform
