#pragma once

#include <windows.h>
#include <mapidefs.h>
#include <mapicode.h>

#include <cstring>
#include <limits>
#include <optional>
#include <string>

namespace tarn::test_support {

// An IMessage as a message store hands it out, reduced to what the add-in reads:
// - GetProps for one string property at a time, the answer in a buffer from MAPI32's own
//   allocator (the reader frees it with MAPIFreeBuffer); a property the message lacks is
//   answered with the error type and a warning, and so is one longer than the store returns in
//   one piece, with MAPI_E_NOT_ENOUGH_MEMORY (Microsoft KB 184269);
// - OpenProperty of a string property as a read-only IStream (its bytes followed by a NUL,
//   which some stores leave in; Microsoft does not say);
// - GetIDsFromNames for one numeric name at a time: the store's own identifier, or the error
//   type with identifier 0 and a warning for a name it does not know.
// Every other member is not supported. The derived class says which properties and names it
// holds and how it counts its references.
#undef MAPIMETHOD_
#define MAPIMETHOD_(type, method) type STDMETHODCALLTYPE method
#define TARN_NOT_SUPPORTED { return MAPI_E_NO_SUPPORT; }
class UnsupportedMessage : public IMessage {
public:
    virtual ~UnsupportedMessage() = default;
    MAPI_IMAPIPROP_METHODS(TARN_NOT_SUPPORTED)
    MAPI_IMESSAGE_METHODS(TARN_NOT_SUPPORTED)
};
#undef TARN_NOT_SUPPORTED

class StringPropertyMessage : public UnsupportedMessage {
public:
    virtual ~StringPropertyMessage() = default;

    // Strings longer than this come only as a stream.
    void SetStringReadLimit(std::size_t bytes) noexcept { read_limit_ = bytes; }

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, MessageInterface)) {
            *out = static_cast<IMessage*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }

    STDMETHODIMP GetProps(LPSPropTagArray tags, ULONG, ULONG* count, LPSPropValue* values) override {
        if (tags == nullptr || tags->cValues != 1 || count == nullptr || values == nullptr) return MAPI_E_NO_SUPPORT;
        const ULONG tag = tags->aulPropTag[0];
        std::optional<std::string> text = StringProperty(tag);
        const bool too_big = text && text->size() > read_limit_;
        if (too_big) text.reset();
        const auto allocate = Allocator<AllocateBufferFn>("MAPIAllocateBuffer");
        if (allocate == nullptr) return MAPI_E_NOT_ENOUGH_MEMORY;
        void* buffer = nullptr;
        if (allocate(static_cast<ULONG>(sizeof(SPropValue) + (text ? text->size() + 1 : 0)), &buffer) != S_OK) {
            return MAPI_E_NOT_ENOUGH_MEMORY;
        }
        auto* value = static_cast<SPropValue*>(buffer);
        std::memset(value, 0, sizeof(SPropValue));
        *count = 1;
        *values = value;
        if (!text) {
            value->ulPropTag = PROP_TAG(PT_ERROR, PROP_ID(tag));
            value->Value.err = too_big ? MAPI_E_NOT_ENOUGH_MEMORY : MAPI_E_NOT_FOUND;
            return MAPI_W_ERRORS_RETURNED;
        }
        char* characters = reinterpret_cast<char*>(value + 1);
        std::memcpy(characters, text->c_str(), text->size() + 1);
        value->ulPropTag = tag;
        value->Value.lpszA = characters;
        return S_OK;
    }

    STDMETHODIMP OpenProperty(ULONG tag, LPCIID interface_id, ULONG, ULONG flags, LPUNKNOWN* opened) override {
        if (opened == nullptr || interface_id == nullptr) return MAPI_E_INVALID_PARAMETER;
        *opened = nullptr;
        if (!IsEqualIID(*interface_id, IID_IStream)) return MAPI_E_INTERFACE_NOT_SUPPORTED;
        if ((flags & MAPI_MODIFY) != 0) return MAPI_E_NO_ACCESS;
        const std::optional<std::string> text = StringProperty(tag);
        if (!text) return MAPI_E_NOT_FOUND;
        IStream* stream = nullptr;
        if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &stream))) return MAPI_E_NOT_ENOUGH_MEMORY;
        ULONG written = 0;
        stream->Write(text->c_str(), static_cast<ULONG>(text->size() + 1), &written);
        stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
        *opened = stream;
        return S_OK;
    }

    STDMETHODIMP GetIDsFromNames(ULONG count, LPMAPINAMEID* names, ULONG flags, LPSPropTagArray* tags) override {
        if (count != 1 || names == nullptr || names[0] == nullptr || tags == nullptr || (flags & MAPI_CREATE) != 0) {
            return MAPI_E_NO_SUPPORT;
        }
        const MAPINAMEID& name = *names[0];
        const auto allocate = Allocator<AllocateBufferFn>("MAPIAllocateBuffer");
        if (allocate == nullptr || name.lpguid == nullptr || name.ulKind != MNID_ID) return MAPI_E_NO_SUPPORT;
        void* buffer = nullptr;
        if (allocate(CbNewSPropTagArray(1), &buffer) != S_OK) return MAPI_E_NOT_ENOUGH_MEMORY;
        auto* array = static_cast<SPropTagArray*>(buffer);
        array->cValues = 1;
        const std::optional<ULONG> id = NamedId(*name.lpguid, name.Kind.lID);
        array->aulPropTag[0] = id ? PROP_TAG(PT_UNSPECIFIED, *id) : PROP_TAG(PT_ERROR, 0);
        *tags = array;
        return id ? S_OK : MAPI_W_ERRORS_RETURNED;
    }

protected:
    // The property's text, or nothing when the message has no such property.
    virtual std::optional<std::string> StringProperty(ULONG tag) = 0;
    // This store's identifier of a named property, or nothing when it knows no such name.
    virtual std::optional<ULONG> NamedId(const GUID&, LONG) { return std::nullopt; }

private:
    static constexpr IID MessageInterface = {0x00020307, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
    using AllocateBufferFn = SCODE(STDAPICALLTYPE*)(ULONG, LPVOID*);

    template <class Fn>
    static Fn Allocator(const char* name) {
        static const HMODULE module = LoadLibraryW(L"MAPI32.DLL");
        FARPROC proc = module != nullptr ? GetProcAddress(module, name) : nullptr;
        return reinterpret_cast<Fn>(reinterpret_cast<void*>(proc));
    }

    std::size_t read_limit_ = std::numeric_limits<std::size_t>::max();
};
}  // namespace tarn::test_support
