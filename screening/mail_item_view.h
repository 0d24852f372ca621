#pragma once

#include <string>

#include "host/item.h"
#include "platform/mapi.h"

namespace tarn::screening {

// Reads the texts the add-in judges a message by straight from the message store through
// Extended MAPI, not through the object model's item properties. Every read gives the
// property's 8-bit bytes as stored, or the empty string when the item's MAPI object is no
// message or the store does not hold the property. Nothing is cached between reads, and the
// view never writes to an item.
class MailItemView {
public:
    explicit MailItemView(platform::MapiLibrary& mapi) : mapi_(mapi) {}

    // Whether the item's MAPI object is a message (answers IMessage).
    bool AnswersMessage(host::Item& item) const;

    // The generic read. A host failure reading the item's MAPI object reaches the caller.
    std::string ReadItemProperty(host::Item& item, platform::PropTag tag) const;

    std::string ReadSenderAddress(host::Item& item) const;
    std::string ReadSubject(host::Item& item) const;
    std::string ReadBody(host::Item& item) const;
    std::string ReadHtmlBody(host::Item& item) const;
    std::string ReadDisplayTo(host::Item& item) const;
    std::string ReadTransportHeaders(host::Item& item) const;

    // A contact's e-mail address: the first of its three address properties that the store
    // holds, widened from the code page; empty when it holds none.
    std::u16string ReadContactAddress(host::Item& contact) const;

private:
    platform::MapiLibrary& mapi_;
};

}  // namespace tarn::screening
