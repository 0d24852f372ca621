#include "platform/win32/mapi32_library.h"

#include <mapicode.h>
#include <objidl.h>

#include <algorithm>
#include <vector>

namespace tarn::platform {

namespace {

// IID_IMessage {00020307-0000-0000-C000-000000000046}
constexpr IID MessageInterfaceId = {0x00020307, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
// IID_IStream {0000000C-0000-0000-C000-000000000046}
constexpr IID StreamInterfaceId = {0x0000000C, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// MAPI32 builds differ in how they name their exports: some give the plain name, some only
// the stdcall-decorated one (wine's MAPIFreeBuffer@4, on 64-bit Windows too). Try both.
FARPROC Resolve(HMODULE module, const char* name, const char* decorated) {
    FARPROC proc = GetProcAddress(module, name);
    return proc != nullptr ? proc : GetProcAddress(module, decorated);
}

template <class Fn>
Fn Cast(FARPROC proc) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(proc));
}

IMessage* NativeMessage(MapiMessage& message) {
    auto* native = dynamic_cast<Mapi32Message*>(&message);
    return native != nullptr ? native->Get() : nullptr;
}

// The buffer goes back to MAPI however the read ends, also for a null value, as MAPI allows.
template <class Free>
struct FreeOnExit {
    Free free;
    void* buffer;
    ~FreeOnExit() { free(buffer); }
};

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
    free_buffer_ = Cast<MapiFreeBufferFn>(Resolve(module_, "MAPIFreeBuffer", "MAPIFreeBuffer@4"));
}

Mapi32Library::~Mapi32Library() {
    if (module_ != nullptr) FreeLibrary(module_);
}

// IMAPIProp::GetProps itself rather than MAPI32's HrGetOneProp: a store that will not hand a
// long string over in one piece answers with the error type and MAPI_E_NOT_ENOUGH_MEMORY in the
// value (Microsoft KB 184269), which HrGetOneProp may report as not found (wine's does).
StringPropRead Mapi32Library::GetOneStringProp(MapiMessage& message, PropTag tag) {
    IMessage* native = NativeMessage(message);
    if (!Loaded() || native == nullptr) return {};
    SizedSPropTagArray(1, wanted) = {1, {tag}};
    ULONG count = 0;
    LPSPropValue value = nullptr;
    const HRESULT result = native->GetProps(reinterpret_cast<LPSPropTagArray>(&wanted), 0, &count, &value);
    const FreeOnExit<MapiFreeBufferFn> free_on_exit{free_buffer_, value};
    if (FAILED(result) || value == nullptr || count != 1) return {};
    if (PROP_TYPE(value->ulPropTag) == PT_ERROR) {
        if (value->Value.err == MAPI_E_NOT_ENOUGH_MEMORY) return {StringPropRead::Outcome::TooBig, {}};
        return {};
    }
    if (value->ulPropTag != tag || value->Value.lpszA == nullptr) return {};
    return {StringPropRead::Outcome::Read, std::string(value->Value.lpszA)};
}

// IStream::Read until it gives no more: a short read is S_FALSE on some streams and S_OK on
// others.
std::optional<std::string> Mapi32Library::ReadStringPropStream(MapiMessage& message, PropTag tag, std::size_t limit) {
    IMessage* native = NativeMessage(message);
    if (native == nullptr) return std::nullopt;
    LPUNKNOWN opened = nullptr;
    if (FAILED(native->OpenProperty(tag, &StreamInterfaceId, 0, 0, &opened)) || opened == nullptr) return std::nullopt;
    IStream* stream = nullptr;
    const HRESULT asked = opened->QueryInterface(StreamInterfaceId, reinterpret_cast<void**>(&stream));
    opened->Release();
    if (FAILED(asked) || stream == nullptr) return std::nullopt;
    std::string text;
    std::vector<char> chunk(64 * 1024);
    while (text.size() < limit) {
        const ULONG wanted = static_cast<ULONG>(std::min(chunk.size(), limit - text.size()));
        ULONG got = 0;
        if (FAILED(stream->Read(chunk.data(), wanted, &got)) || got == 0) break;
        text.append(chunk.data(), got);
    }
    stream->Release();
    // Some stores leave the string's terminating NUL in the stream.
    const auto end = text.find('\0');
    if (end != std::string::npos) text.resize(end);
    return text;
}

std::optional<PropTag> Mapi32Library::NamedPropertyTag(MapiMessage& message, const NamedProperty& property,
                                                       std::uint16_t type) {
    IMessage* native = NativeMessage(message);
    if (!Loaded() || native == nullptr) return std::nullopt;
    GUID set{property.set.data1, property.set.data2, property.set.data3, {}};
    for (std::size_t i = 0; i < property.set.data4.size(); ++i) set.Data4[i] = property.set.data4[i];
    MAPINAMEID name{};
    name.lpguid = &set;
    name.ulKind = MNID_ID;
    name.Kind.lID = property.id;
    LPMAPINAMEID names[] = {&name};
    LPSPropTagArray tags = nullptr;
    const HRESULT result = native->GetIDsFromNames(1, names, 0, &tags);
    const FreeOnExit<MapiFreeBufferFn> free_on_exit{free_buffer_, tags};
    // An unknown name is MAPI_W_ERRORS_RETURNED, a success, with the error type at its place.
    if (FAILED(result) || tags == nullptr || tags->cValues != 1) return std::nullopt;
    const ULONG found = tags->aulPropTag[0];
    if (PROP_TYPE(found) == PT_ERROR || PROP_ID(found) < 0x8000) return std::nullopt;
    return MakePropTag(static_cast<std::uint16_t>(PROP_ID(found)), type);
}

}  // namespace tarn::platform
