#pragma once

#include <cstddef>
#include <string>

#include "host/item.h"
#include "platform/mapi.h"

namespace tarn::screening {

// Reads the texts the add-in judges a message by straight from the message store through
// Extended MAPI, not through the object model's item properties. Every read gives the
// property's 8-bit bytes as stored, or the empty string when the item's MAPI object is no
// message or the store does not hold the property. A property larger than the store returns
// in one piece (most HTML bodies, the long header blocks of Office 365) is read as a stream.
// Nothing is cached between reads, and the view never writes to an item.
class MailItemView {
public:
    // At most this much of a property is read: more than any test of the add-in looks at, and
    // little enough that a message of many megabytes does not hold Outlook up.
    static constexpr std::size_t WholeText = std::size_t{1} << 20;

    explicit MailItemView(platform::MapiLibrary& mapi) : mapi_(mapi) {}

    // Whether the item's MAPI object is a message (answers IMessage).
    bool AnswersMessage(host::Item& item) const;

    // The generic read, of at most `limit` bytes. A host failure reading the item's MAPI object
    // reaches the caller.
    std::string ReadItemProperty(host::Item& item, platform::PropTag tag, std::size_t limit = WholeText) const;

    // The sender's Internet (SMTP) address. A sender inside an Exchange organization is known to
    // the store by a directory (X.500) address, "/o=.../cn=...": then the SMTP address the store
    // keeps beside it, or nothing when it keeps none (a directory address is never a sender's
    // address to list, report or compare).
    std::string ReadSenderAddress(host::Item& item) const;
    std::string ReadSubject(host::Item& item) const;
    std::string ReadBody(host::Item& item, std::size_t limit = WholeText) const;
    std::string ReadHtmlBody(host::Item& item, std::size_t limit = WholeText) const;
    std::string ReadDisplayTo(host::Item& item) const;
    std::string ReadTransportHeaders(host::Item& item) const;

    // A contact's e-mail address: the first of its three address properties (named properties,
    // looked up in the contact's own store) that the store holds, widened from the code page;
    // empty when it holds none.
    std::u16string ReadContactAddress(host::Item& contact) const;

private:
    platform::MapiLibrary& mapi_;
};

// Whether an address is a directory (X.500) address of an Exchange organization: "/o=...".
bool IsDirectoryAddress(std::string_view address) noexcept;

}  // namespace tarn::screening
