#include "screening/mail_item_view.h"

#include <array>
#include <optional>

#include "platform/codepage.h"
#include "platform/text_compare.h"

namespace tarn::screening {

namespace {

using platform::PropTag;
using Outcome = platform::StringPropRead::Outcome;

// The item's message, held while it is read; none when its MAPI object is no message.
std::unique_ptr<platform::MapiMessage> MessageOf(host::Item& item) {
    const auto object = item.MAPIOBJECT();
    return object ? object->QueryMessage() : nullptr;
}

// One string property of a message, at most `limit` bytes: in one piece, or through a stream
// when the store hands it over only so.
std::optional<std::string> ReadString(platform::MapiLibrary& mapi, platform::MapiMessage& message, PropTag tag,
                                      std::size_t limit) {
    auto read = mapi.GetOneStringProp(message, tag);
    switch (read.outcome) {
        case Outcome::Read:
            if (read.text.size() > limit) read.text.resize(limit);
            return std::move(read.text);
        case Outcome::TooBig: return mapi.ReadStringPropStream(message, tag, limit);
        case Outcome::Missing: break;
    }
    return std::nullopt;
}

}  // namespace

bool IsDirectoryAddress(std::string_view address) noexcept {
    return address.size() >= 3 && address[0] == '/' && (address[1] == 'o' || address[1] == 'O') && address[2] == '=';
}

bool MailItemView::AnswersMessage(host::Item& item) const { return MessageOf(item) != nullptr; }

std::string MailItemView::ReadItemProperty(host::Item& item, PropTag tag, std::size_t limit) const {
    const auto message = MessageOf(item);
    if (!message) return {};
    return ReadString(mapi_, *message, tag, limit).value_or(std::string());
}

std::string MailItemView::ReadSenderAddress(host::Item& item) const {
    const auto message = MessageOf(item);
    if (!message) return {};
    std::string address = ReadString(mapi_, *message, platform::prop_tag::SenderEmailAddress, WholeText).value_or("");
    const std::string type = ReadString(mapi_, *message, platform::prop_tag::SenderAddressType, WholeText).value_or("");
    const bool exchange = platform::CompareTextIgnoreCase(type, "EX") == 0 || (type.empty() && IsDirectoryAddress(address));
    if (!exchange) return address;
    std::string smtp = ReadString(mapi_, *message, platform::prop_tag::SenderSmtpAddress, WholeText).value_or("");
    return IsDirectoryAddress(smtp) ? std::string() : smtp;
}

std::string MailItemView::ReadSubject(host::Item& item) const {
    return ReadItemProperty(item, platform::prop_tag::Subject);
}

std::string MailItemView::ReadBody(host::Item& item, std::size_t limit) const {
    return ReadItemProperty(item, platform::prop_tag::Body, limit);
}

std::string MailItemView::ReadHtmlBody(host::Item& item, std::size_t limit) const {
    return ReadItemProperty(item, platform::prop_tag::BodyHtml, limit);
}

std::string MailItemView::ReadDisplayTo(host::Item& item) const {
    return ReadItemProperty(item, platform::prop_tag::DisplayTo);
}

std::string MailItemView::ReadTransportHeaders(host::Item& item) const {
    return ReadItemProperty(item, platform::prop_tag::TransportMessageHeaders);
}

std::u16string MailItemView::ReadContactAddress(host::Item& contact) const {
    namespace named = platform::named_property;
    const auto message = MessageOf(contact);
    if (!message) return {};
    for (const auto& property : {named::ContactEmail1, named::ContactEmail2, named::ContactEmail3}) {
        const auto tag = mapi_.NamedPropertyTag(*message, property, platform::PropTypeString8);
        if (!tag) continue;
        if (auto address = ReadString(mapi_, *message, *tag, WholeText)) return platform::Widen(*address);
    }
    return {};
}

}  // namespace tarn::screening
