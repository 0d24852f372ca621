#include "tools/sim/addin_session.h"

#include "host/sim/sim_items.h"

#include <algorithm>

#include "addin/addin_identity.h"
#include "addin/addin_key.h"
#include "addin/control_key.h"
#include "addin/resource_button_faces.h"
#include "platform/codepage.h"
#include "platform/dynamic_library.h"
#include "platform/files.h"
#include "tools/sim/terminal_text.h"

namespace tarn::tools::sim {

namespace {

// Gives the state folder, when it is new, a copy of the language file that ships beside the
// program; gives the settings file's path.
// The state folder is the add-in's installation folder: it gets the captions once (the user
// may edit them there), and the rating engine with its dictionary whenever the program's
// differ, so that what the user teaches the engine (tarnrules.user beside it) belongs to this
// state alone.
std::filesystem::path PrepareState(const std::filesystem::path& state) {
    const auto program = platform::OwnModuleFolder();
    const auto captions = state / "Language.ini";
    if (!platform::FileExists(captions) && platform::FileExists(program / "Language.ini")) {
        platform::ReplaceFileContent(captions, platform::ReadFileShared(program / "Language.ini"));
    }
    for (const std::string& name : {platform::LibraryFileName("tarnrules"), std::string("tarnrules.dict")}) {
        if (!platform::FileExists(program / name)) continue;
        const std::string shipped = platform::ReadFileShared(program / name);
        if (!platform::FileExists(state / name) || platform::ReadFileShared(state / name) != shipped) {
            platform::ReplaceFileContent(state / name, shipped);
        }
    }
    return state / "registry.reg";
}

// The add-in's automation object, as its COM add-in entry holds it.
struct SimulatedAddinObject final : host::AddinObject {};

}  // namespace

AddinSession::AddinSession(const std::filesystem::path& state, std::ostream& messages, host::sim::OutlookVersion version)
    : lock_(state),
      state_(state),
      messages_(messages),
      outlook_(version),
      registry_(std::make_unique<platform::RegFileRegistry>(PrepareState(state))),
      platform_(std::make_unique<host::sim::SimPlatform>(outlook_, *registry_, mapi_)),
      services_(platform_->Services()) {
    platform_->MessageBoxes().SetObserver([this](const host::sim::MessageBoxCall& call) {
        messages_ << "tarn4ol-sim: message box \"" << TerminalText(call.caption) << "\": " << TerminalLines(call.text)
                  << '\n';
    });
    // The debug output's lines read "Tarn4OL: place: failure".
    platform_->DebugOutput().SetObserver([this](const std::string& line) {
        constexpr std::string_view Product = "Tarn4OL: ";
        const std::string_view failure = std::string_view(line).substr(line.starts_with(Product) ? Product.size() : 0);
        messages_ << "tarn4ol-sim: the add-in failed in " << TerminalAnsi(failure) << '\n';
    });
    pump_listener_ = platform_->Pump().AddPumpListener([this] { dialogs_.OnMessagesPumped(); });
    // What the shell opens besides the report (the help file) has no browser here: it is told.
    platform_->Shell().SetObserver([this](const host::sim::ShellOpenCall& call) {
        if (call.target != (state_ / "FLUSH.htm").u16string()) {
            messages_ << "tarn4ol-sim: the shell opens " << TerminalText(call.target) << '\n';
        }
    });
    engine_ = std::make_unique<screening::RulesEngine>(state_, [this](const std::string& notice) {
        services_.message_boxes.Show(platform::Widen(notice), u"Orvik' Tarn!", platform::MessageBoxKind::Information);
    });
    faces_ = std::make_unique<addin::ResourceButtonFaces>();
    registration_ = std::make_unique<addin::AddInRegistration>(*registry_, classes_);
    // Outlook shows its main window on the Inbox before it loads its add-ins.
    explorer_ = outlook_.OpenExplorer(outlook_.Inbox());
    outlook_.PumpEvents();
    entry_ = outlook_.AddComAddIn(std::u16string(addin::ProgId));
    addin_ = std::make_unique<addin::TTarnAddin>(services_, dialogs_, *engine_, *faces_, *registration_, state_);
}

AddinSession::~AddinSession() = default;

std::size_t AddinSession::ReportsOpened() const {
    const std::u16string report = (state_ / "FLUSH.htm").u16string();
    const auto& opens = platform_->Shell().Calls();
    return static_cast<std::size_t>(
        std::count_if(opens.begin(), opens.end(), [&](const auto& call) { return call.target == report; }));
}

void AddinSession::TellNewWindows() {
    const auto& windows = dialogs_.AboutWindows();
    for (; about_windows_told_ < windows.size(); ++about_windows_told_) {
        messages_ << "tarn4ol-sim: about window \"" << TerminalText(windows[about_windows_told_]->title) << "\"\n";
    }
    // A progress window as the user saw it last: its title and labels.
    const auto& progress = dialogs_.ProgressWindows();
    for (; progress_windows_told_ < progress.size(); ++progress_windows_told_) {
        const auto& window = *progress[progress_windows_told_];
        messages_ << "tarn4ol-sim: progress window \"" << TerminalText(window.title) << "\": ";
        if (window.legit_visible) messages_ << TerminalText(window.legit_text) << ", ";
        messages_ << TerminalText(window.spam_text) << (window.cancel_enabled ? "" : " (cancelled)") << '\n';
    }
    const auto& ban_allow = dialogs_.BanAllowWindows();
    for (; ban_allow_windows_told_ < ban_allow.size(); ++ban_allow_windows_told_) TellBanAllow(*ban_allow[ban_allow_windows_told_]);
    const auto& options = dialogs_.OptionsWindows();
    for (; options_windows_told_ < options.size(); ++options_windows_told_) TellOptions(*options[options_windows_told_]);
}

void AddinSession::TellOptions(const dialogs::OptionsWindowRecord& dialog) {
    messages_ << "tarn4ol-sim: options dialog \"Orvik' Tarn! for MS Outlook - Options\"";
    if (dialog.showings == 0) {
        messages_ << ", never shown\n";
        return;
    }
    messages_ << ", closed on the page \"" << TerminalText(dialog.banner_title) << "\":\n    alphabets ticked:";
    std::size_t ticked = 0;
    for (std::size_t item = 0; item < dialog.alphabets.size(); ++item) {
        if (!dialog.alphabets[item]) continue;
        messages_ << ' ' << dialogs::AlphabetNames[item];
        ++ticked;
    }
    if (ticked == 0) messages_ << " none";
    for (const auto& radio : dialog.radios) {
        const auto index = static_cast<std::size_t>(radio.index);
        messages_ << "\n    " << TerminalText(radio.caption) << ": "
                  << (index < radio.items.size() ? TerminalText(radio.items[index]) : std::string("(none)"))
                  << (radio.enabled ? "" : " (disabled)");
    }
    for (const auto& check : dialog.checks) {
        messages_ << "\n    [" << (check.checked ? 'x' : ' ') << "] " << TerminalText(check.caption);
    }
    messages_ << "\n    lists:";
    for (const auto& editor : dialog.editors) messages_ << ' ' << editor.lines.size();
    messages_ << " lines (banned senders, friend senders, forbidden words, protected words)\n";
    if (!dialog.refused_action.empty()) {
        ++dialog_scripts_refused_;
        messages_ << "tarn4ol-sim: --dialog: " << TerminalAnsi(dialog.refused_action) << '\n';
    }
}

void AddinSession::TellBanAllow(const dialogs::BanAllowWindowRecord& dialog) {
    using dialogs::ModalResult;
    messages_ << "tarn4ol-sim: allow/ban dialog \"" << TerminalText(dialog.title) << "\": entry \""
              << TerminalText(dialog.entry_text) << "\", ";
    if (dialog.body_text.empty()) {
        messages_ << "body pane empty";
    } else {
        messages_ << "body pane " << dialog.body_text.size() << " characters";
    }
    messages_ << ", " << TerminalText(dialog.more_caption) << (dialog.more_enabled ? "" : " disabled")
              << (dialog.outer_height > 150 ? ", expanded" : "") << "; closed with ";
    const ModalResult result = dialog.result.value_or(ModalResult::Cancel);
    messages_ << (result == ModalResult::No ? "Ban" : result == ModalResult::Ok ? "Allow" : "Close") << '\n';
    if (!dialog.refused_action.empty()) {
        ++dialog_scripts_refused_;
        messages_ << "tarn4ol-sim: --dialog: " << TerminalAnsi(dialog.refused_action) << '\n';
    }
}

void AddinSession::ConnectionFailed(const std::string& call, const std::exception& error) {
    ++connection_failures_;
    messages_ << "tarn4ol-sim: Outlook was told that " << call << " failed: " << TerminalAnsi(error.what()) << '\n';
}

void AddinSession::Start() {
    // A state folder used for the first time gets what regsvr32 writes; without it the add-in
    // still runs, as it would in Outlook, only without its key.
    try {
        if (!addin::AddInKey(*registry_, services_.diagnostics, addin::OutlookHost).Opens()) registration_->WriteAddInKeys();
    } catch (const std::exception& error) {
        ++connection_failures_;
        messages_ << "tarn4ol-sim: the add-in could not be registered: " << TerminalAnsi(error.what()) << '\n';
    }
    try {
        addin_->OnConnection(outlook_.HostApplication(), addin::ConnectAtHostStartup, entry_,
                             std::make_shared<SimulatedAddinObject>());
        addin_->OnStartupComplete();
    } catch (const std::exception& error) {
        ConnectionFailed("the add-in's start", error);
    }
    platform_->Pump().ProcessMessages();
    TellNewWindows();
}

void AddinSession::Stop() {
    outlook_.Quit();
    platform_->Pump().ProcessMessages();
    if (host::sim::ExitsWithoutShutdown(outlook_.Version())) return;  // the process ends here
    try {
        addin_->OnBeginShutdown();
        addin_->OnDisconnection(addin::DisconnectAtHostShutdown);
    } catch (const std::exception& error) {
        ConnectionFailed("the add-in's shutdown", error);
    }
    platform_->Pump().ProcessMessages();
}


std::shared_ptr<host::sim::SimItem> AddinSession::Store(host::DefaultFolder folder, host::sim::PropertyMap properties) {
    return outlook_.AddItem(outlook_.DefaultFolder(folder), std::move(properties));
}

void AddinSession::Deliver(host::DefaultFolder folder, host::sim::ItemContent content,
                           const std::function<void(const std::shared_ptr<host::sim::SimItem>&)>& after) {
    const auto item = outlook_.AddMail(outlook_.DefaultFolder(folder), std::move(content));
    platform_->Pump().ProcessMessages();
    if (after) after(item);
    item->PlaceIn(nullptr);
}

void AddinSession::Keep(const std::shared_ptr<host::sim::SimFolder>& folder, host::sim::ItemContent content) {
    outlook_.AddMail(folder, std::move(content));
    outlook_.PumpEvents();  // nobody listens yet
}

void AddinSession::KeepContact(const std::vector<std::string>& addresses) {
    std::vector<std::string> stored;
    for (const auto& address : addresses) stored.push_back(platform::Utf8ToAnsi(address));
    outlook_.AddItem(outlook_.DefaultFolder(host::DefaultFolder::Contacts), outlook_.ContactProperties(stored),
                     host::item_class::Contact);
    outlook_.PumpEvents();
}

void AddinSession::Show(const std::shared_ptr<host::sim::SimFolder>& folder) {
    outlook_.SetCurrentFolder(explorer_, folder);
    platform_->Pump().ProcessMessages();
}

void AddinSession::Select(const std::vector<long>& numbers) {
    const auto& shown = explorer_->ShownFolder();
    std::vector<std::shared_ptr<host::sim::SimItem>> items;
    for (const long number : numbers) items.push_back(shown->StoredItems().Elements().at(static_cast<std::size_t>(number - 1)));
    outlook_.Select(explorer_, std::move(items));
    platform_->Pump().ProcessMessages();
}

void AddinSession::SelectItem(const std::shared_ptr<host::sim::SimItem>& item) {
    Show(item->Location());
    outlook_.Select(explorer_, {item});
    platform_->Pump().ProcessMessages();
}

bool AddinSession::Click(const std::u16string& tag, const dialogs::DialogScript& dialog) {
    const auto button = explorer_->Bars()->FindControl(host::ControlType::Button, tag);
    if (!button) return false;
    const auto dialogs_shown = [this] { return dialogs_.BanAllowWindows().size() + dialogs_.OptionsWindows().size(); };
    const std::size_t dialogs_before = dialogs_shown();
    dialogs_.ScriptNextBanAllow(dialog);
    dialogs_.ScriptNextOptions(dialog);
    outlook_.Click(button);
    platform_->Pump().ProcessMessages();
    // A script the click had no dialog for is not kept for a later one.
    dialogs_.ScriptNextBanAllow({});
    dialogs_.ScriptNextOptions({});
    TellNewWindows();
    if (!dialog.empty() && dialogs_shown() == dialogs_before) {
        ++dialog_scripts_refused_;
        messages_ << "tarn4ol-sim: --dialog: the click on \"" << TerminalText(tag) << "\" opened no dialog\n";
    }
    return true;
}

std::vector<std::string> AddinSession::RecordedBars() {
    return addin::SplitRecordedList(addin::AddInKey(*registry_, services_.diagnostics, addin::OutlookHost).ReadAddInValue("CmdBars"));
}

}  // namespace tarn::tools::sim
