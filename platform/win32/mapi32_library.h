#pragma once

#include <windows.h>
#include <mapidefs.h>

#include "platform/mapi.h"

namespace tarn::platform {

// An IMessage pointer owned by the wrapper (released with it).
class Mapi32Message final : public MapiMessage {
public:
    explicit Mapi32Message(IMessage* message) noexcept : message_(message) {}
    ~Mapi32Message() override;
    Mapi32Message(const Mapi32Message&) = delete;
    Mapi32Message& operator=(const Mapi32Message&) = delete;

    IMessage* Get() const noexcept { return message_; }

private:
    IMessage* message_;
};

// An item's MAPI object as an IUnknown pointer owned by the wrapper.
class Mapi32Object final : public MapiObject {
public:
    explicit Mapi32Object(IUnknown* object) noexcept : object_(object) {}
    ~Mapi32Object() override;
    Mapi32Object(const Mapi32Object&) = delete;
    Mapi32Object& operator=(const Mapi32Object&) = delete;

    std::unique_ptr<MapiMessage> QueryMessage() override;

private:
    IUnknown* object_;
};

// The message's own IMAPIProp members (GetProps, OpenProperty, GetIDsFromNames) with
// MAPIFreeBuffer of MAPI32.DLL, resolved by name once, when the add-in library loads, for what
// the store allocates. Without MAPI32.DLL or that entry point every read comes back empty.
class Mapi32Library final : public MapiLibrary {
public:
    Mapi32Library();
    ~Mapi32Library() override;
    Mapi32Library(const Mapi32Library&) = delete;
    Mapi32Library& operator=(const Mapi32Library&) = delete;

    bool Loaded() const noexcept { return free_buffer_ != nullptr; }
    StringPropRead GetOneStringProp(MapiMessage& message, PropTag tag) override;
    std::optional<std::string> ReadStringPropStream(MapiMessage& message, PropTag tag, std::size_t limit) override;
    std::optional<PropTag> NamedPropertyTag(MapiMessage& message, const NamedProperty& property,
                                            std::uint16_t type) override;

private:
    using MapiFreeBufferFn = ULONG(STDAPICALLTYPE*)(LPVOID);

    HMODULE module_ = nullptr;
    MapiFreeBufferFn free_buffer_ = nullptr;
};

}  // namespace tarn::platform
