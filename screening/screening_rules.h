#pragma once

#include <string_view>

#include "host/item.h"
#include "screening/list_matcher.h"
#include "screening/mail_item_view.h"
#include "store/user_lists.h"

namespace tarn::screening {

// The tests that decide whether a mail item is wanted or spam, over the user's four lists.
// They hold no verdict wording and no order: the new-mail screening and the folder analysis
// run them in their own cascades. A host failure while reading the item reaches the caller.
class ScreeningRules {
public:
    ScreeningRules(const store::UserLists& lists, ListMatchers& matchers, const MailItemView& view)
        : lists_(lists), matchers_(matchers), view_(view) {}

    // A friend sender's address, or a display-To text that the plain body links to as
    // "mailto:" followed by that text. False at once when the friend list is empty.
    bool IsFriendSender(host::Item& item) const;
    // A protected (forbidden) word in the screening text or else in the subject.
    bool HasProtectedWord(std::string_view subject, std::string_view screening_text) const;
    bool HasForbiddenWord(std::string_view subject, std::string_view screening_text) const;
    // A banned sender's address.
    bool IsBannedSender(host::Item& item) const;
    // The user accepts only friend senders ("OnlyAddressBook") and this is none.
    bool IsOutsideAddressBook(host::Item& item, bool only_address_book) const;
    // An undecoded encoded word ("=?") in the plain body.
    bool HasEncodedWord(host::Item& item) const;

private:
    bool Matches(store::ListKind kind, std::string_view text) const;

    const store::UserLists& lists_;
    ListMatchers& matchers_;
    const MailItemView& view_;
};

// A word processor's "HYPERLINK " field left in the text (capitals, one blank).
bool HasHyperlinkField(std::string_view screening_text);

}  // namespace tarn::screening
