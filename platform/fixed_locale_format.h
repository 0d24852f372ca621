#pragma once

#include <string>

#include "platform/locale_format.h"

namespace tarn::platform {

// The regional formats of US English Windows, for systems without the user's own: the short
// date "M/d/yyyy" and the long time "h:mm:ss tt" ("5/20/2026 9:05:03 AM"). The decimal
// separator can be set to try the add-in with other users' settings.
class FixedLocaleFormat final : public LocaleFormat {
public:
    explicit FixedLocaleFormat(char decimal_separator = '.') : decimal_separator_(decimal_separator) {}

    std::string DateTimeText(const LocalTime& time) override;
    char DecimalSeparator() override { return decimal_separator_; }
    void SetDecimalSeparator(char separator) noexcept { decimal_separator_ = separator; }

private:
    char decimal_separator_;
};

}  // namespace tarn::platform
