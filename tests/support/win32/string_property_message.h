#pragma once

#include <windows.h>
#include <mapidefs.h>
#include <mapicode.h>

#include <cstring>
#include <optional>
#include <string>

namespace tarn::test_support {

// An IMessage as a message store hands it out, reduced to what the add-in reads: GetProps for
// one string property at a time, the answer in a buffer from MAPI32's own allocator (the
// reader frees it with MAPIFreeBuffer), a property the message lacks answered with the error
// type and a warning. Every other member is not supported. The derived class says which
// properties it holds and how it counts its references.
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
        const std::optional<std::string> text = StringProperty(tag);
        const auto allocate = AllocateBuffer();
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
            value->Value.err = MAPI_E_NOT_FOUND;
            return MAPI_W_ERRORS_RETURNED;
        }
        char* characters = reinterpret_cast<char*>(value + 1);
        std::memcpy(characters, text->c_str(), text->size() + 1);
        value->ulPropTag = tag;
        value->Value.lpszA = characters;
        return S_OK;
    }

protected:
    // The property's text, or nothing when the message has no such property.
    virtual std::optional<std::string> StringProperty(ULONG tag) = 0;

private:
    static constexpr IID MessageInterface = {0x00020307, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
    using AllocateBufferFn = SCODE(STDAPICALLTYPE*)(ULONG, LPVOID*);

    static AllocateBufferFn AllocateBuffer() {
        static const AllocateBufferFn allocate = [] {
            HMODULE module = LoadLibraryW(L"MAPI32.DLL");
            FARPROC proc = module != nullptr ? GetProcAddress(module, "MAPIAllocateBuffer") : nullptr;
            return reinterpret_cast<AllocateBufferFn>(reinterpret_cast<void*>(proc));
        }();
        return allocate;
    }
};
}  // namespace tarn::test_support
