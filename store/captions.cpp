#include "store/captions.h"

#include "platform/codepage.h"
#include "store/language_file.h"

namespace tarn::store {

namespace {

constexpr std::array<CaptionDefinition, CaptionCount> Definitions = {{
    {"btnAboutHint", "About Tarn4OL..."},
    {"btnSettings", "Settings"},
    {"btnSettingsHint", "Complete Orvik' Tarn Settings"},
    {"btnProtectSender", "Protect Sender(s)"},
    {"btnProtectSenderHint", "Mark as Friend(s)"},
    {"btnForbidSender", "Forbid Sender(s)"},
    {"btnForbidSenderHint", "Mark as Foe(s)"},
    {"btnAllowWord", "Allow Word(s)"},
    {"btnAllowWordHint", "Allow Current Message Subject or Part of it"},
    {"btnBanWord", "Ban Word(s)"},
    {"btnBanWordHint", "Ban Current Message Subject or Part of it"},
    {"btnHelp", "Help"},
    {"btnHelpHint", "Look up in Help File"},
    {"btnPause1", "Pause Detection..."},
    {"btnProtectCurrentHint", "Add all senders in current folder to white list"},
    {"btnProtectCurrent", "Protect current folder"},
    {"btnAnalyzeCurrent", "Analyze current folder"},
    {"btnAnalyzeCurrentHint", "Complete Analysis of the Current Folder"},
    {"btnProduceCurrent", "Produce Current Report"},
    {"btnProduceCurrentHint", "Show List of Currently Quarantined Messages"},
    {"btnEmptyQuarantine", "Empty Quarantine Folder"},
    {"btnEmptyQuarantineHint", "Move all Quarantined Messages to Trash"},
    {"sScanningContacts", "of your contacts will be scanned..."},
    {"sPleaseWait", "Please wait..."},
    {"btnClose", "Close"},
    {"sMovedto", "items moved to Deletion folder"},
    {"sTarnanalyzing", "message(s) will be analyzed"},
    {"sNowmovingSPAM", "Now moving SPAM to Quarantine folder"},
    {"rdMovetoQuarantine", "Quarantine folder"},
    {"sStillBusy", "Orvik' Tarn! is still at work on the last command. Please try again when it has finished."},
}};

constexpr std::string_view CharSetKey = "sCharSet";
constexpr std::int32_t DefaultCharSet = 1;

}  // namespace

const CaptionDefinition& DefinitionOf(Caption caption) {
    return Definitions[static_cast<std::size_t>(caption)];
}

Captions::Captions() {
    for (std::size_t i = 0; i < CaptionCount; ++i) texts_[i] = platform::Widen(Definitions[i].english);
}

Captions LoadCaptionsAndStrings(const std::filesystem::path& installation_directory) {
    const LanguageFile language(installation_directory);
    Captions captions;
    for (std::size_t i = 0; i < CaptionCount; ++i) {
        captions.texts_[i] = platform::Widen(language.Text(Definitions[i].key, Definitions[i].english));
    }
    captions.char_set_ = static_cast<std::uint8_t>(language.Number(CharSetKey, DefaultCharSet) & 0xFF);
    return captions;
}

}  // namespace tarn::store
