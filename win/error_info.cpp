#include "win/error_info.h"

#include <oleauto.h>

#include <string>

#include "platform/codepage.h"
#include "platform/win32/com_ptr.h"

namespace tarn::win {

void SetErrorInfoFor(std::u16string_view source, std::string_view description, DWORD help_context) noexcept {
    try {
        platform::ComPtr<ICreateErrorInfo> create;
        if (FAILED(CreateErrorInfo(create.Put()))) return;
        const std::u16string source_text(source);
        const std::u16string text = platform::Widen(description);
        create->SetSource(const_cast<LPOLESTR>(reinterpret_cast<LPCOLESTR>(source_text.c_str())));
        create->SetDescription(const_cast<LPOLESTR>(reinterpret_cast<LPCOLESTR>(text.c_str())));
        create->SetHelpContext(help_context);
        const auto info = create.As<IErrorInfo>(IID_IErrorInfo);
        if (info) SetErrorInfo(0, info.Get());
    } catch (...) {
        // Without memory for the text the failure result alone tells of it.
    }
}

}  // namespace tarn::win
