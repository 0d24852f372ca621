#include "screening/screening_rules.h"

#include <string>


namespace tarn::screening {

using store::ListKind;

bool ScreeningRules::Matches(ListKind kind, std::string_view text) const {
    return matchers_.For(kind).AnyEntryOccursIn(lists_.List(kind), text);
}

bool ScreeningRules::IsFriendSender(host::Item& item) const {
    if (lists_.List(ListKind::FriendSenders).Empty()) return false;
    if (Matches(ListKind::FriendSenders, view_.ReadSenderAddress(item))) return true;
    const std::string display_to = view_.ReadDisplayTo(item);
    return !display_to.empty() && view_.ReadBody(item).find("mailto:" + display_to) != std::string::npos;
}

bool ScreeningRules::HasProtectedWord(std::string_view subject, std::string_view screening_text) const {
    return Matches(ListKind::ProtectedWords, screening_text) || Matches(ListKind::ProtectedWords, subject);
}

bool ScreeningRules::HasForbiddenWord(std::string_view subject, std::string_view screening_text) const {
    return Matches(ListKind::ForbiddenWords, screening_text) || Matches(ListKind::ForbiddenWords, subject);
}

bool ScreeningRules::IsBannedSender(host::Item& item) const {
    return Matches(ListKind::BannedSenders, view_.ReadSenderAddress(item));
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
