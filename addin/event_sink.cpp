#include "addin/event_sink.h"

#include "platform/codepage.h"

namespace tarn::addin {

TaxpEventSink::TaxpEventSink(ClickReceiver& receiver, platform::Diagnostics& diagnostics,
                             host::CommandBarControlPtr control, std::uint32_t number)
    : receiver_(receiver),
      diagnostics_(diagnostics),
      number_(number),
      number_text_(platform::Widen(std::to_string(number))) {
    tag_ = control->Tag();
    Connect(std::move(control));
}

void TaxpEventSink::Connect(host::CommandBarControlPtr control) {
    connection_.Reset();
    control_ = std::move(control);
    const auto handler = [this](const host::CommandBarControlPtr& source) { OnEvent(source); };
    switch (control_->Type()) {
        case host::ControlType::Button: connection_ = control_->OnClick(handler); break;
        case host::ControlType::Edit:
        case host::ControlType::DropDown:
        case host::ControlType::ComboBox: connection_ = control_->OnChange(handler); break;
        case host::ControlType::Popup: break;  // Office raises nothing from a pop-up: it opens its menu
    }
    control_->SetParameter(number_text_);
}

void TaxpEventSink::OnEvent(const host::CommandBarControlPtr& source) noexcept {
    // A control that no longer answers (its window closed) owns no click.
    platform::Contain(diagnostics_, "Control event", [&] {
        if (!source || source->Parameter() != number_text_) return;  // another sink's click
        receiver_.OwnedClick(source->Tag(), source);
        // The clicked control object is the one to listen to from now on.
        Connect(source);
    });
}

void TaxpEventSink::Release() noexcept {
    connection_.Reset();
    control_.reset();
}

}  // namespace tarn::addin
