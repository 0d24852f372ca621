#include "screening/cascade.h"

#include "platform/locale_format.h"
#include "screening/english_score.h"

namespace tarn::screening {

namespace {

constexpr int LocalTestRate = 1000;
constexpr double EnglishThreshold = 20.0;

// The first local test that judges the message, in the caller's words; empty when none does.
std::string LocalTestReason(host::Item& item, const std::string& subject, const ScreeningInputs& inputs,
                            const ScreeningRules& rules, const AlphabetTokens& alphabets,
                            const CascadeSettings& settings, const VerdictWords& words) {
    if (rules.IsBannedSender(item)) return std::string(words.banned_sender);
    if (rules.HasForbiddenWord(subject, inputs.screening_text)) return std::string(words.banned_content);
    if (rules.IsOutsideAddressBook(item, settings.only_address_book)) return std::string(words.outside_address_book);
    if (inputs.charset.empty()) return {};
    if (alphabets.IsBlockedAlphabet(inputs.charset)) return std::string(words.alphabet);
    if (rules.HasEncodedWord(item)) return std::string(words.encoded_word);
    const double english = EnglishScore(inputs.screening_text, settings.block_english);
    if (english > EnglishThreshold) {
        // The first two characters of twice the score: its first two digits, as it exceeds 40.
        return "English: " + platform::GeneralNumberText(2 * english, settings.decimal_separator).substr(0, 2) + "%";
    }
    if (HasHyperlinkField(inputs.screening_text)) return std::string(words.suspicious);
    return {};
}

}  // namespace

Judgement RunCascade(host::Item& item, const std::string& subject, const ScreeningInputs& inputs,
                     const ScreeningRules& rules, const AlphabetTokens& alphabets, const CascadeSettings& settings,
                     RulesEngine& engine, const VerdictWords& words) {
    Judgement judgement;
    if (rules.IsFriendSender(item)) return judgement;
    if (rules.HasProtectedWord(subject, inputs.screening_text)) {
        judgement.kind = Judgement::Kind::ProtectedWord;
        return judgement;
    }
    judgement.reason = LocalTestReason(item, subject, inputs, rules, alphabets, settings, words);
    if (!judgement.reason.empty()) {
        judgement.kind = Judgement::Kind::LocalTest;
        judgement.rate = LocalTestRate;
        return judgement;
    }
    auto verdict = engine.AnalyzeThisSpit(inputs.screening_text);
    judgement.kind = Judgement::Kind::Engine;
    judgement.rate = verdict.rate;
    judgement.reason = std::move(verdict.text);
    return judgement;
}

}  // namespace tarn::screening
