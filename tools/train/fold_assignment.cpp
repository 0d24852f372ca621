#include "tools/train/fold_assignment.h"

#include <array>
#include <map>
#include <utility>

#include "rules/char_class.h"
#include "rules/header_fields.h"
#include "rules/text_match.h"

namespace tarn::tools::train {

namespace {

// The address of a field value: what stands in angle brackets, or else the whole value.
std::string AddressOf(std::string_view value) {
    const std::size_t open = value.find('<');
    if (open != std::string_view::npos) {
        const std::size_t close = value.find('>', open);
        if (close != std::string_view::npos) value = value.substr(open + 1, close - open - 1);
    }
    std::string address;
    for (const char c : rules::TrimSpace(value)) address += rules::ToLower(c);
    return address;
}

}  // namespace

std::string CorrespondentOf(std::string_view screening_text) {
    // The fields that name a correspondent, the list's before the sender's.
    constexpr std::array<std::string_view, 5> Fields = {"list-id", "x-beenthere", "list-post", "sender", "from"};
    std::array<std::string_view, Fields.size()> values{};
    rules::ReadHeaderFields(screening_text, [&](std::string_view name, std::string_view value) {
        for (std::size_t i = 0; i < Fields.size(); ++i) {
            if (values[i].empty() && rules::EqualsNoCase(name, Fields[i])) values[i] = rules::TrimSpace(value);
        }
    });
    for (std::size_t i = 0; i < Fields.size(); ++i) {
        if (!values[i].empty()) return std::string(Fields[i]) + ':' + AddressOf(values[i]);
    }
    return {};
}

std::vector<unsigned> DealFolds(const std::vector<LabelledMessage>& messages, unsigned folds, FoldDealing dealing) {
    std::vector<unsigned> fold_of(messages.size());
    std::array<std::size_t, 2> dealt{};
    if (dealing == FoldDealing::Interleaved) {
        for (std::size_t i = 0; i < messages.size(); ++i) {
            fold_of[i] = static_cast<unsigned>(dealt[messages[i].spam ? 1 : 0]++ % folds);
        }
        return fold_of;
    }
    std::size_t spam_count = 0;
    for (const LabelledMessage& message : messages) spam_count += message.spam ? 1 : 0;
    std::map<std::string, unsigned> fold_of_correspondent;
    for (std::size_t i = 0; i < messages.size(); ++i) {
        if (messages[i].spam) {
            fold_of[i] = static_cast<unsigned>(dealt[1]++ * folds / spam_count);
            continue;
        }
        // A correspondent takes the next fold in turn when first met, so the folds get
        // about as many correspondents each.
        // A message naming no one is a correspondent of its own.
        std::string correspondent = CorrespondentOf(messages[i].screening_text);
        if (correspondent.empty()) correspondent = "message " + std::to_string(i);
        const auto [known, added] = fold_of_correspondent.try_emplace(std::move(correspondent), 0);
        if (added) known->second = static_cast<unsigned>(dealt[0]++ % folds);
        fold_of[i] = known->second;
    }
    return fold_of;
}

}  // namespace tarn::tools::train
