#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace tarn::store {

// The add-in's own captions, read from the language file once per connection.
enum class Caption {
    btnAboutHint,
    btnSettings,
    btnSettingsHint,
    btnProtectSender,
    btnProtectSenderHint,
    btnForbidSender,
    btnForbidSenderHint,
    btnAllowWord,
    btnAllowWordHint,
    btnBanWord,
    btnBanWordHint,
    btnHelp,
    btnHelpHint,
    btnPause1,
    btnProtectCurrentHint,
    btnProtectCurrent,
    btnAnalyzeCurrent,
    btnAnalyzeCurrentHint,
    btnProduceCurrent,
    btnProduceCurrentHint,
    btnEmptyQuarantine,
    btnEmptyQuarantineHint,
    sScanningContacts,
    sPleaseWait,
    btnClose,
    sMovedto,
    sTarnanalyzing,
    sNowmovingSPAM,
    rdMovetoQuarantine,
    sStillBusy,
};

inline constexpr std::size_t CaptionCount = static_cast<std::size_t>(Caption::sStillBusy) + 1;

struct CaptionDefinition {
    std::string_view key;
    std::string_view english;
};
const CaptionDefinition& DefinitionOf(Caption caption);

class Captions {
public:
    // Every caption at its English default; the default character set.
    Captions();

    const std::u16string& operator[](Caption caption) const { return texts_[static_cast<std::size_t>(caption)]; }
    // "sCharSet": the Windows font character set of the add-in's windows (1 is the default).
    std::uint8_t CharSet() const noexcept { return char_set_; }

private:
    friend Captions LoadCaptionsAndStrings(const std::filesystem::path& installation_directory);
    std::array<std::u16string, CaptionCount> texts_;
    std::uint8_t char_set_ = 1;
};

// Reads the caption table from "Language.ini" in the current language, in the table's order,
// each text converted to UTF-16. Cannot fail: whatever is missing keeps its default.
Captions LoadCaptionsAndStrings(const std::filesystem::path& installation_directory);

}  // namespace tarn::store
