#include "screening/mail_item_view.h"

#include <array>
#include <optional>

#include "platform/codepage.h"

namespace tarn::screening {

namespace {

using platform::PropTag;

// Reads the first of the tags that the store holds. The MAPI object and the message are
// released when this returns, whatever happened.
template <std::size_t N>
std::optional<std::string> ReadFirstHeld(platform::MapiLibrary& mapi, host::Item& item,
                                         const std::array<PropTag, N>& tags) {
    const auto object = item.MAPIOBJECT();
    if (!object) return std::nullopt;
    const auto message = object->QueryMessage();
    if (!message) return std::nullopt;
    for (const PropTag tag : tags) {
        if (auto text = mapi.GetOneStringProp(*message, tag)) return text;
    }
    return std::nullopt;
}

}  // namespace

bool MailItemView::AnswersMessage(host::Item& item) const {
    const auto object = item.MAPIOBJECT();
    return object && object->QueryMessage() != nullptr;
}

std::string MailItemView::ReadItemProperty(host::Item& item, PropTag tag) const {
    return ReadFirstHeld(mapi_, item, std::array{tag}).value_or(std::string());
}

std::string MailItemView::ReadSenderAddress(host::Item& item) const {
    return ReadItemProperty(item, platform::prop_tag::SenderEmailAddress);
}

std::string MailItemView::ReadSubject(host::Item& item) const {
    return ReadItemProperty(item, platform::prop_tag::Subject);
}

std::string MailItemView::ReadBody(host::Item& item) const {
    return ReadItemProperty(item, platform::prop_tag::Body);
}

std::string MailItemView::ReadHtmlBody(host::Item& item) const {
    return ReadItemProperty(item, platform::prop_tag::BodyHtml);
}

std::string MailItemView::ReadDisplayTo(host::Item& item) const {
    return ReadItemProperty(item, platform::prop_tag::DisplayTo);
}

std::string MailItemView::ReadTransportHeaders(host::Item& item) const {
    return ReadItemProperty(item, platform::prop_tag::TransportMessageHeaders);
}

std::u16string MailItemView::ReadContactAddress(host::Item& contact) const {
    constexpr std::array ContactAddressTags = {platform::prop_tag::ContactEmail1, platform::prop_tag::ContactEmail2,
                                               platform::prop_tag::ContactEmail3};
    return platform::Widen(ReadFirstHeld(mapi_, contact, ContactAddressTags).value_or(std::string()));
}

}  // namespace tarn::screening
