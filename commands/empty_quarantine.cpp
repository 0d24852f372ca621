#include "commands/empty_quarantine.h"

#include <chrono>
#include <string>

#include "dialogs/progress_window.h"
#include "host/constants.h"
#include "platform/codepage.h"
#include "quarantine/quarantine_folder.h"

namespace tarn::commands {

namespace {

constexpr std::chrono::milliseconds SettleTime{500};

std::u16string Number(long value) {
    return platform::Widen(std::to_string(value));
}

}  // namespace

void EmptyQuarantine(const CommandContext& context) {
    using store::Caption;
    const auto& captions = context.captions;
    auto& services = context.services;
    const auto quarantine = quarantine::GetQuarantineFolder(context.application);
    const long count = quarantine->Items()->Count();
    if (count == 0) return;

    dialogs::TFRMProcessmsgs window(context.dialogs.CreateProgressView(), captions,
                                    u"Orvik: " + Number(count) + u" " + captions[Caption::sMovedto]);
    window.SetSpamLabel(captions[Caption::sPleaseWait]);
    window.SetLegitVisible(false);
    window.SetMaximum(static_cast<int>(count));
    window.Show();
    services.clock.Sleep(SettleTime);
    window.Repaint();

    // From the last item to the first, so that the items not yet visited keep their indices
    // while the others leave.
    for (long index = quarantine->Items()->Count(); index >= 1; --index) {
        services.pump.ProcessMessages();
        if (window.Cancelled()) break;
        const auto item = quarantine->Items()->Item(index);
        if (item->Class() != host::item_class::Mail) continue;
        window.SetPosition(static_cast<int>(count - index));
        const bool deleted = platform::Contain(services.diagnostics, "EmptyQuarantine", [&] {
            window.SetDetail(platform::Widen(context.view.ReadSubject(*item)));
            item->Delete();
        });
        if (!deleted) window.SetDetail(captions[Caption::sPleaseWait]);
    }
}

}  // namespace tarn::commands
