#include "commands/show_options.h"

#include "commands/friend_scans.h"
#include "dialogs/options_dialog.h"
#include "platform/diagnostics.h"
#include "quarantine/quarantine_folder.h"

namespace tarn::commands {

void ShowOptions(const CommandContext& context, store::Settings& settings, store::UserLists& lists,
                 const std::filesystem::path& installation_directory, const std::function<void()>& rearm_report_timer) {
    auto& services = context.services;
    bool lists_changed = false;
    {
        dialogs::TfrmOptions dialog(
            context.dialogs.CreateOptionsView(),
            {settings, lists, services.registry, services.shell, services.message_boxes, installation_directory},
            context.captions.CharSet());
        dialog.ShowSettings();
        lists.SaveLists(store::SaveOrder::OptionsDialog);
        dialog.FillLists();
        try {
            dialog.ShowModal();
        } catch (...) {
            dialog.TakeBackSettings();
            store::SaveSettings(services.registry, settings, services.diagnostics);
            throw;
        }
        dialog.TakeBackSettings();
        lists_changed = dialog.ListsChanged();
    }
    rearm_report_timer();
    if (lists_changed) lists.ReloadLists();
    if (settings.load_ol_addresses) {
        platform::Contain(services.diagnostics, "Options (address-book rescan)", [&] {
            quarantine::EnsureQuarantineShortcut(context.application, context.captions, services.message_boxes);
            ScanContacts(context, lists);
        });
    }
    settings.load_ol_addresses = false;
    // Written now: since Outlook 2010 no shutdown comes to write them at.
    store::SaveSettings(services.registry, settings, services.diagnostics);
}

}  // namespace tarn::commands
