#include "tools/sim/addin_session.h"

#include "platform/codepage.h"
#include "platform/dynamic_library.h"
#include "platform/files.h"
#include "tools/sim/terminal_text.h"

namespace tarn::tools::sim {

namespace {

// Gives the state folder, when it is new, a copy of the language file that ships beside the
// program; gives the settings file's path.
std::filesystem::path PrepareState(const std::filesystem::path& state) {
    const auto shipped = platform::OwnModuleFolder() / "Language.ini";
    const auto own = state / "Language.ini";
    if (!platform::FileExists(own) && platform::FileExists(shipped)) {
        platform::ReplaceFileContent(own, platform::ReadFileShared(shipped));
    }
    return state / "registry.reg";
}

}  // namespace

AddinSession::AddinSession(const std::filesystem::path& state, std::ostream& messages)
    : lock_(state),
      state_(state),
      messages_(messages),
      registry_(std::make_unique<platform::RegFileRegistry>(PrepareState(state))),
      platform_(std::make_unique<host::sim::SimPlatform>(outlook_, *registry_, mapi_)),
      services_(platform_->Services()) {
    platform_->MessageBoxes().SetObserver([this](const host::sim::MessageBoxCall& call) {
        messages_ << "tarn4ol-sim: message box \"" << TerminalText(call.caption) << "\": " << TerminalText(call.text)
                  << '\n';
    });
    // The debug output's lines read "Tarn4OL: place: failure".
    platform_->DebugOutput().SetObserver([this](const std::string& line) {
        constexpr std::string_view Product = "Tarn4OL: ";
        const std::string_view failure = std::string_view(line).substr(line.starts_with(Product) ? Product.size() : 0);
        messages_ << "tarn4ol-sim: the add-in failed in " << TerminalAnsi(failure) << '\n';
    });
    pump_listener_ = platform_->Pump().AddPumpListener([this] { dialogs_.OnMessagesPumped(); });
    engine_ = std::make_unique<screening::RulesEngine>(platform::OwnModuleFolder(), [this](const std::string& notice) {
        services_.message_boxes.Show(platform::Widen(notice), u"Orvik' Tarn!", platform::MessageBoxKind::Information);
    });
    addin_ = std::make_unique<addin::TTarnAddin>(outlook_.Application(), services_, dialogs_, *engine_, state_);
}

AddinSession::~AddinSession() = default;

void AddinSession::Start() {
    try {
        addin_->Startup();
    } catch (const std::exception& error) {
        addin_->ReportError(error);
    }
}

void AddinSession::Stop() {
    addin_->Shutdown();
    platform_->Pump().ProcessMessages();
}

std::shared_ptr<host::sim::SimItem> AddinSession::Store(host::DefaultFolder folder, host::sim::PropertyMap properties) {
    return outlook_.AddItem(outlook_.DefaultFolder(folder), std::move(properties));
}

void AddinSession::Deliver(host::DefaultFolder folder, host::sim::ItemContent content) {
    const auto item = outlook_.AddMail(outlook_.DefaultFolder(folder), std::move(content));
    platform_->Pump().ProcessMessages();
    item->PlaceIn(nullptr);
}

}  // namespace tarn::tools::sim
