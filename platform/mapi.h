#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace tarn::platform {

// An Extended MAPI property tag: property identifier in the high 16 bits, type in the low 16.
using PropTag = std::uint32_t;

namespace prop_tag {
inline constexpr PropTag Subject = 0x0037001E;               // PR_SUBJECT
inline constexpr PropTag TransportMessageHeaders = 0x007D001E;  // PR_TRANSPORT_MESSAGE_HEADERS
inline constexpr PropTag DisplayTo = 0x0E04001E;             // PR_DISPLAY_TO
inline constexpr PropTag SenderEmailAddress = 0x0C1F001E;    // PR_SENDER_EMAIL_ADDRESS
inline constexpr PropTag Body = 0x1000001E;                  // PR_BODY
inline constexpr PropTag BodyHtml = 0x1013001E;              // PR_BODY_HTML
// A contact's e-mail address as the store maps its named properties (Email1, Email2, Email3).
inline constexpr PropTag ContactEmail1 = 0x8030001E;
inline constexpr PropTag ContactEmail2 = 0x80F6001E;
inline constexpr PropTag ContactEmail3 = 0x8032001E;
}  // namespace prop_tag

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

// The two Extended MAPI entry points that the mail item view uses.
class MapiLibrary {
public:
    virtual ~MapiLibrary() = default;
    // HrGetOneProp for an 8-bit string property, always followed by MAPIFreeBuffer on the value
    // it returned. Empty when the call does not succeed (no such property, error type, no MAPI).
    virtual std::optional<std::string> GetOneStringProp(MapiMessage& message, PropTag tag) = 0;
};

}  // namespace tarn::platform
