#include "platform/win32/mapi32_library.h"

namespace tarn::platform {

namespace {

// IID_IMessage {00020307-0000-0000-C000-000000000046}
constexpr IID MessageInterfaceId = {0x00020307, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// MAPI32 builds differ in how they name their exports: some give the plain name, some only
// the stdcall-decorated one (wine's HrGetOneProp@12, on 64-bit Windows too). Try both.
FARPROC Resolve(HMODULE module, const char* name, const char* decorated) {
    FARPROC proc = GetProcAddress(module, name);
    return proc != nullptr ? proc : GetProcAddress(module, decorated);
}

template <class Fn>
Fn Cast(FARPROC proc) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(proc));
}

}  // namespace

Mapi32Message::~Mapi32Message() {
    if (message_ != nullptr) message_->Release();
}

Mapi32Object::~Mapi32Object() {
    if (object_ != nullptr) object_->Release();
}

std::unique_ptr<MapiMessage> Mapi32Object::QueryMessage() {
    if (object_ == nullptr) return nullptr;
    void* message = nullptr;
    if (FAILED(object_->QueryInterface(MessageInterfaceId, &message)) || message == nullptr) return nullptr;
    return std::make_unique<Mapi32Message>(static_cast<IMessage*>(message));
}

Mapi32Library::Mapi32Library() : module_(LoadLibraryW(L"MAPI32.DLL")) {
    if (module_ == nullptr) return;
    get_one_prop_ = Cast<HrGetOnePropFn>(Resolve(module_, "HrGetOneProp", "HrGetOneProp@12"));
    free_buffer_ = Cast<MapiFreeBufferFn>(Resolve(module_, "MAPIFreeBuffer", "MAPIFreeBuffer@4"));
}

Mapi32Library::~Mapi32Library() {
    if (module_ != nullptr) FreeLibrary(module_);
}

std::optional<std::string> Mapi32Library::GetOneStringProp(MapiMessage& message, PropTag tag) {
    auto* native = dynamic_cast<Mapi32Message*>(&message);
    if (!Loaded() || native == nullptr || native->Get() == nullptr) return std::nullopt;

    LPSPropValue value = nullptr;
    const HRESULT result = get_one_prop_(native->Get(), tag, &value);
    // The buffer goes back to MAPI however this ends, also when the copy below fails, and also
    // for a null value, as MAPI allows.
    const struct FreeOnExit {
        MapiFreeBufferFn free;
        LPSPropValue value;
        ~FreeOnExit() { free(value); }
    } free_on_exit{free_buffer_, value};
    if (result == S_OK && value != nullptr && value->Value.lpszA != nullptr) return std::string(value->Value.lpszA);
    return std::nullopt;
}

}  // namespace tarn::platform
