#include "commands/allow_ban_words.h"

#include "dialogs/ban_allow_dialog.h"
#include "host/constants.h"
#include "host/host_error.h"
#include "platform/codepage.h"
#include "platform/diagnostics.h"

namespace tarn::commands {

namespace {

dialogs::TfrmbanOK CreateDialog(const CommandContext& context, store::UserLists& lists) {
    return dialogs::TfrmbanOK(context.dialogs.CreateBanAllowView(), lists, context.services.message_boxes,
                              context.captions.CharSet());
}

}  // namespace

void AllowOrBanInMainWindow(const CommandContext& context, const std::string& current_subject,
                            store::UserLists& lists, const std::filesystem::path& installation_directory) {
    if (CurrentFolder(context.application)->DefaultItemType() != host::item_type::Mail) return;
    auto dialog = CreateDialog(context, lists);
    dialog.SetEntry(platform::Widen(current_subject));
    dialog.ShowModal(installation_directory);
    lists.ReloadLists();
}

void AllowOrBanInMessageWindow(const CommandContext& context, store::UserLists& lists,
                               const std::filesystem::path& installation_directory) {
    const auto inspector = context.application.ActiveInspector();
    if (!inspector) throw host::HostError("Application.ActiveInspector", "no message window is open");
    const auto item = inspector->CurrentItem();
    if (item->Class() != host::item_class::Mail) return;
    auto dialog = CreateDialog(context, lists);
    const std::u16string caption = inspector->Caption();
    dialog.SetEntry(caption);

    // Whatever the editor cannot give leaves the caption in the entry.
    auto& diagnostics = context.services.diagnostics;
    std::u16string selection;
    bool word_mail = false;
    if (!platform::Contain(diagnostics, "AllowOrBan (editor)", [&] { word_mail = inspector->IsWordMail(); })) {
        // The window cannot say which editor it has: the caption it is.
    } else if (word_mail) {
        platform::Contain(diagnostics, "AllowOrBan (word processor)", [&] { selection = inspector->WordSelectionText(); });
    } else if (!platform::Contain(diagnostics, "AllowOrBan (HTML editor)",
                                  [&] { selection = inspector->HtmlSelectionText(); })) {
        // No HTML document (a plain-text message): the body goes into the body pane.
        std::string body;
        if (platform::Contain(diagnostics, "AllowOrBan (body)", [&] { body = context.view.ReadBody(*item); })) {
            dialog.SetBody(platform::Widen(body));
        }
    }
    if (!selection.empty()) dialog.SetEntry(selection);
    dialog.EnableMore(!dialog.BodyEmpty());
    dialog.ShowModal(installation_directory);
    lists.ReloadLists();
}

}  // namespace tarn::commands
