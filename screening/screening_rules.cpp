#include "screening/screening_rules.h"

#include <string>

#include "screening/list_match.h"

namespace tarn::screening {

using store::ListKind;

bool ScreeningRules::IsFriendSender(host::Item& item) const {
    const auto& friends = lists_.List(ListKind::FriendSenders);
    if (friends.Empty()) return false;
    if (AnyEntryOccursIn(friends, view_.ReadSenderAddress(item))) return true;
    const std::string display_to = view_.ReadDisplayTo(item);
    return !display_to.empty() && view_.ReadBody(item).find("mailto:" + display_to) != std::string::npos;
}

bool ScreeningRules::HasProtectedWord(std::string_view subject, std::string_view screening_text) const {
    const auto& words = lists_.List(ListKind::ProtectedWords);
    return AnyEntryOccursIn(words, screening_text) || AnyEntryOccursIn(words, subject);
}

bool ScreeningRules::HasForbiddenWord(std::string_view subject, std::string_view screening_text) const {
    const auto& words = lists_.List(ListKind::ForbiddenWords);
    return AnyEntryOccursIn(words, screening_text) || AnyEntryOccursIn(words, subject);
}

bool ScreeningRules::IsBannedSender(host::Item& item) const {
    return AnyEntryOccursIn(lists_.List(ListKind::BannedSenders), view_.ReadSenderAddress(item));
}

bool ScreeningRules::IsOutsideAddressBook(host::Item& item, bool only_address_book) const {
    return only_address_book && !IsFriendSender(item);
}

bool ScreeningRules::HasEncodedWord(host::Item& item) const {
    return view_.ReadBody(item).find("=?") != std::string::npos;
}

bool HasHyperlinkField(std::string_view screening_text) {
    return screening_text.find("HYPERLINK ") != std::string_view::npos;
}

}  // namespace tarn::screening
