// The add-in in step with Outlook's windows: the selection of each main window, and a toolbar
// for each message window.
#include "addin/tarn_addin.h"
#include "addin/toolbars.h"
#include "host/constants.h"
#include "host/host_error.h"

namespace tarn::addin {

void TTarnAddin::TrackExplorer(const host::ExplorerPtr& explorer) {
    if (!explorer) throw host::HostError("Application.ActiveExplorer", "there is no active explorer");
    written_before_exit_ = false;  // Outlook goes on after all
    explorer_wrappers_->push_back(std::make_unique<ExplorerWrapper>(
        explorer, [this](ExplorerWrapper& wrapper) { OnExplorerSelectionChange(wrapper); },
        [this](ExplorerWrapper& wrapper) { OnExplorerClose(wrapper); }));
}

void TTarnAddin::OnExplorerSelectionChange(ExplorerWrapper& wrapper) noexcept {
    // A failure ends the handler: what it had not reached keeps its state.
    platform::Contain(services_.diagnostics, "OnExplorerSelectionChange", [&] {
        const auto selection = wrapper.Explorer().Selection();
        if (selection->Count() <= 0) return;  // an empty folder: the buttons keep their state
        const auto first = selection->Item(1);
        const bool mail = first->Class() == host::item_class::Mail;
        for (const auto tag : SelectionButtons) {
            const auto button = FindControl(std::u16string(tag), host::ControlType::Button);
            if (button && button->Visible()) button->SetEnabled(mail);
        }
        std::string subject;
        if (mail) platform::Contain(services_.diagnostics, "OnExplorerSelectionChange (subject)", [&] {
            subject = view_.ReadSubject(*first);
        });
        current_subject_ = std::move(subject);
    });
}

void TTarnAddin::OnExplorerClose(ExplorerWrapper& wrapper) noexcept {
    if (!explorer_wrappers_) return;
    std::erase_if(*explorer_wrappers_, [&wrapper](const auto& held) { return held.get() == &wrapper; });
    // The last main window closing is how the user closes Outlook.
    if (explorer_wrappers_->empty()) WriteBeforeExit();
}

void TTarnAddin::AddMessageWindowToolbar(const host::InspectorPtr& inspector) {
    const auto bars = inspector->CommandBars();
    const auto item = inspector->CurrentItem();
    if (!bars) return;
    bool created = false;
    const auto bar = AddCommandBarIn(bars, std::u16string(MessageBar), created, host::BarPosition::Top, true);
    bar->SetEnabled(item->Class() == host::item_class::Mail);
    if (!bar->Enabled()) return;  // a contact or an appointment: no buttons
    for (const auto& button : MessageWindowButtons) {
        AddButtonIn(bars, std::u16string(MessageBar), button.caption.In(captions_), std::u16string(button.tag),
                    button.hint.In(captions_), button.bitmap, button.style, created, std::nullopt, nullptr,
                    DefaultTransparentColour, true);
    }
}

void TTarnAddin::OnNewInspector(const host::InspectorPtr& inspector) noexcept {
    // A failure ends the handler: the bar may stay without its buttons.
    platform::Contain(services_.diagnostics, "OnNewInspector", [&] { AddMessageWindowToolbar(inspector); });
}

}  // namespace tarn::addin
