#include "win/addin_runtime.h"

#include "platform/codepage.h"
#include "platform/dynamic_library.h"

namespace tarn::win {

namespace {

constexpr std::u16string_view Caption = u"Orvik' Tarn!";

}  // namespace

AddinRuntime::AddinRuntime() : folder_(platform::OwnModuleFolder()) {
    engine_ = std::make_unique<screening::RulesEngine>(folder_, [this](const std::string& notice) {
        services_.message_boxes.Show(platform::Widen(notice), std::u16string(Caption), platform::MessageBoxKind::Information);
    });
    session_ = std::make_shared<host::com::ComSession>(diagnostics_);
    addin_ = std::make_unique<addin::TTarnAddin>(services_, dialogs_, *engine_, faces_, registration_, folder_);
}

}  // namespace tarn::win
