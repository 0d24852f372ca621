#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace tarn::platform {

// An Extended MAPI property tag: property identifier in the high 16 bits, type in the low 16.
using PropTag = std::uint32_t;

inline constexpr std::uint16_t PropTypeString8 = 0x001E;  // PT_STRING8
constexpr PropTag MakePropTag(std::uint16_t id, std::uint16_t type) noexcept { return (PropTag{id} << 16) | type; }

namespace prop_tag {
inline constexpr PropTag Subject = 0x0037001E;               // PR_SUBJECT
inline constexpr PropTag TransportMessageHeaders = 0x007D001E;  // PR_TRANSPORT_MESSAGE_HEADERS
inline constexpr PropTag DisplayTo = 0x0E04001E;             // PR_DISPLAY_TO
inline constexpr PropTag SenderAddressType = 0x0C1E001E;     // PR_SENDER_ADDRTYPE: "SMTP", or "EX" for Exchange
inline constexpr PropTag SenderEmailAddress = 0x0C1F001E;    // PR_SENDER_EMAIL_ADDRESS (X.500 for "EX")
inline constexpr PropTag SenderSmtpAddress = 0x5D01001E;     // PR_SENDER_SMTP_ADDRESS
inline constexpr PropTag Body = 0x1000001E;                  // PR_BODY
inline constexpr PropTag BodyHtml = 0x1013001E;              // PR_BODY_HTML
}  // namespace prop_tag

// A GUID as MAPI's property sets name them, without Windows' headers.
struct MapiGuid {
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0;
    std::uint16_t data3 = 0;
    std::array<std::uint8_t, 8> data4{};
    bool operator==(const MapiGuid&) const = default;
};

// A named property: a property set and a numeric name within it. Its tag differs from store to
// store (every store maps names to identifiers of its own), so it is looked up by name.
struct NamedProperty {
    MapiGuid set;
    std::int32_t id = 0;
};

namespace named_property {
// PSETID_Address {00062004-0000-0000-C000-000000000046} (MS-OXPROPS).
inline constexpr MapiGuid AddressSet = {0x00062004, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
// A contact's three e-mail addresses: dispidEmail1EmailAddress (0x8083), Email2 (0x8093),
// Email3 (0x80A3), string properties of the address set.
inline constexpr NamedProperty ContactEmail1{AddressSet, 0x8083};
inline constexpr NamedProperty ContactEmail2{AddressSet, 0x8093};
inline constexpr NamedProperty ContactEmail3{AddressSet, 0x80A3};
}  // namespace named_property

// An Extended MAPI message (IMessage) reached through an item's MAPI object.
class MapiMessage {
public:
    virtual ~MapiMessage() = default;
};

// The MAPI object behind an Outlook item (its MAPIOBJECT member), released with the wrapper.
class MapiObject {
public:
    virtual ~MapiObject() = default;
    // QueryInterface for IMessage; null when the object is not a message.
    virtual std::unique_ptr<MapiMessage> QueryMessage() = 0;
};

// What a plain read of a string property gave.
struct StringPropRead {
    enum class Outcome {
        Read,     // the text
        Missing,  // the message has no such property, or it cannot be read at all
        TooBig,   // the store hands it over only as a stream (larger than it returns in one piece)
    };
    Outcome outcome = Outcome::Missing;
    std::string text;
    bool operator==(const StringPropRead&) const = default;
};

// The Extended MAPI calls that the mail item view makes.
class MapiLibrary {
public:
    virtual ~MapiLibrary() = default;
    // HrGetOneProp for an 8-bit string property, always followed by MAPIFreeBuffer on the value
    // it returned. A store returns a string only up to a size of its own (typically 4 to 16 KB);
    // above it the call fails for want of memory, and the property is TooBig.
    virtual StringPropRead GetOneStringProp(MapiMessage& message, PropTag tag) = 0;
    // IMAPIProp::OpenProperty of the property as a stream, read up to `limit` bytes; trailing
    // NUL characters are not part of the text. None when the store opens no stream for it.
    virtual std::optional<std::string> ReadStringPropStream(MapiMessage& message, PropTag tag, std::size_t limit) = 0;
    // IMAPIProp::GetIDsFromNames for one named property, as a tag of the given type. None when
    // the store knows no such name.
    virtual std::optional<PropTag> NamedPropertyTag(MapiMessage& message, const NamedProperty& property,
                                                    std::uint16_t type) = 0;
};

}  // namespace tarn::platform
