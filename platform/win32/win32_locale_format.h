#pragma once

#include <string>

#include "platform/locale_format.h"

namespace tarn::platform {

// The regional formats the user chose in Windows, read afresh on every call so that a change
// made while Outlook runs applies at once.
class Win32LocaleFormat final : public LocaleFormat {
public:
    // The short date and the long time; text Windows cannot format (no such date) is left out.
    std::string DateTimeText(const LocalTime& time) override;
    // The first character of the user's decimal separator, '.' when Windows gives none.
    char DecimalSeparator() override;
};

}  // namespace tarn::platform
