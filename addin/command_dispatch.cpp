// The commands of the add-in's toolbar buttons, by tag.
#include "addin/tarn_addin.h"
#include "commands/allow_ban_words.h"
#include "commands/analyze_folder.h"
#include "commands/empty_quarantine.h"
#include "commands/friend_scans.h"
#include "commands/mark_senders.h"
#include "commands/show_options.h"
#include "addin/addin_identity.h"
#include "dialogs/about_window.h"

namespace tarn::addin {

void TTarnAddin::ShowHelp() {
    services_.shell.Open((directory_ / "tarn4ol.chm").u16string(), platform::ShowCommand::ShowNormal);
}

commands::CommandContext TTarnAddin::CommandContext() {
    return {OutlookApp(), captions_, dialogs_, services_, view_};
}

void TTarnAddin::RequireLists() const {
    if (!lists_) throw std::logic_error("the word and sender lists were not loaded at start-up");
}

// A command pumps Outlook's messages while it works (its progress window, its dialogs), so a
// click can come in the middle of one: a second command run inside the first would walk and
// move the same items while the first still counts on them. It is refused with a message.
void TTarnAddin::ControlClick(const std::u16string& tag, const host::CommandBarControlPtr&) {
    splash_.reset();  // the user is at work: the splash goes
    if (command_running_) {
        services_.message_boxes.Show(captions_[store::Caption::sStillBusy], std::u16string(FriendlyName),
                                     platform::MessageBoxKind::Information);
        return;
    }
    command_running_ = true;
    const struct Finished {
        bool& running;
        ~Finished() { running = false; }
    } finished{command_running_};
    RunCommand(tag);
}

void TTarnAddin::RunCommand(const std::u16string& tag) {
    if (tag == u"btnAbout") {
        dialogs::ShowAbout(dialogs_, services_.shell, services_.locale, directory_, captions_.CharSet(),
                           engine_.Getversionnumber());
    } else if (tag == u"btnCurrentReport") {
        ProduceInboxReport();
    } else if (tag == u"btnQuarantine") {
        commands::EmptyQuarantine(CommandContext());
    } else if (tag == u"btnDoCurFold") {
        RequireLists();
        const screening::ScreeningRules rules(*lists_, matchers_, view_);
        commands::AnalyzeCurrentFolder(CommandContext(), {rules, alphabet_tokens_, settings_, engine_}, report_, directory_);
    } else if (tag == u"btnGreenFace" || tag == u"btnRedFace") {
        RequireLists();
        const auto verdict = tag == u"btnGreenFace" ? commands::SenderVerdict::Friends : commands::SenderVerdict::Foes;
        commands::MarkSenders(CommandContext(), verdict, *lists_, settings_, engine_);
    } else if (tag == u"btnProCur") {
        RequireLists();
        commands::ProtectCurrentFolder(CommandContext(), *lists_);
    } else if (tag == u"btnAllowSub" || tag == u"btnBanSub") {
        RequireLists();
        commands::AllowOrBanInMainWindow(CommandContext(), current_subject_, *lists_, directory_);
    } else if (tag == u"OrvikPlus" || tag == u"OrvikMinus") {
        RequireLists();
        commands::AllowOrBanInMessageWindow(CommandContext(), *lists_, directory_);
    } else if (tag == u"btnSettings") {
        RequireLists();
        commands::ShowOptions(CommandContext(), settings_, *lists_, directory_, [this] { SetupReportTimer(); });
    } else if (tag == u"btnInfo") {
        ShowHelp();
    }
    // Any other tag does nothing.
}

}  // namespace tarn::addin
