#include "rules/engine.h"

#include <algorithm>
#include <array>

#include "rules/clue_collector.h"
#include "rules/fisher_combining.h"
#include "rules/rate_scale.h"
#include "rules/token_hash.h"
#include "rules/tokenizer.h"
#include "rules/verdict_text.h"

namespace tarn::rules {

namespace {

constexpr std::size_t VerdictClues = 3;
// A spam verdict needs this many clues at least: with fewer, a text is at most unsure, so that a
// message with next to no text is never quarantined on one or two words.
constexpr std::size_t MinSpamClues = 3;

}  // namespace

Engine::Engine(unsigned lesson_weight) : lesson_weight_(std::clamp(lesson_weight, 1u, MaxLessonWeight)) {}
Engine::~Engine() = default;

bool Engine::Load(const std::filesystem::path& file) {
    Unload();
    const std::optional<Dictionary> dictionary = LoadDictionaryFile(file);
    return dictionary && Use(*dictionary);
}

bool Engine::Use(const Dictionary& dictionary) {
    Unload();
    if (!IsUsable(dictionary)) return false;
    parameters_ = dictionary.parameters;
    table_ = TokenTable(dictionary);
    collector_ = std::make_unique<ClueCollector>(table_, parameters_.min_strength);
    return true;
}

void Engine::Unload() noexcept {
    collector_.reset();
    table_ = TokenTable();
    parameters_ = {};
    lessons_ = Lessons();
}

bool Engine::Learn(std::string_view text, bool spam) {
    if (!HasData()) return false;
    const std::uint64_t key = TokenHash(text);
    const std::optional<bool> learnt = lessons_.LearntAs(key);
    if (learnt == spam) return false;
    const TokenSet tokens = TokenSetOf(text);
    if (learnt) {
        Count(tokens, *learnt, -1);
        lessons_.Unlearn(key, tokens);
    }
    Count(tokens, spam, 1);
    lessons_.Learn(key, tokens, spam);
    return true;
}

bool Engine::Take(const UserDictionary& lessons) {
    if (!HasData() || !lessons_.Texts().empty() || !IsConsistent(lessons)) return false;
    const std::uint32_t weight = lesson_weight_;
    table_.AddCounts(lessons.ham_messages * weight, lessons.spam_messages * weight);
    table_.Reserve(lessons.tokens.size());
    for (const TokenCounts& token : lessons.tokens) {
        table_.AddCounts(token.hash, token.ham * weight, token.spam * weight);
    }
    lessons_ = Lessons(lessons);
    return true;
}

bool Engine::Unlearn(std::string_view text, bool spam) {
    if (!HasData()) return false;
    const std::uint64_t key = TokenHash(text);
    if (lessons_.LearntAs(key) != spam) return false;
    const TokenSet tokens = TokenSetOf(text);
    Count(tokens, spam, -1);
    lessons_.Unlearn(key, tokens);
    return true;
}

void Engine::Count(const TokenSet& tokens, bool spam, int direction) {
    const int step = direction * static_cast<int>(lesson_weight_);
    table_.CountMessage(spam, step);
    for (const std::uint64_t token : tokens) table_.CountToken(token, spam, step);
}

Engine::Rating Engine::Rate(std::string_view text) {
    if (!HasData()) return {};
    collector_->Reset();
    Tokenize(text, *collector_);
    const Combined combined = CombineClues(collector_->Clues(), parameters_.max_clues);
    used_clues_ = combined.used;
    unsigned rate = RateOfScore(combined.score, parameters_.ham_cutoff, parameters_.spam_cutoff);
    if (combined.used < MinSpamClues) rate = std::min(rate, FirstSpamRate - 1);
    return {combined.score, static_cast<unsigned char>(rate)};
}

unsigned char Engine::Analyze(std::string_view text, std::span<char> verdict) {
    if (!verdict.empty()) verdict[0] = '\0';
    if (!HasData()) return 0;
    const Rating rating = Rate(text);

    // The strongest clues on the side the score leans to, strongest first.
    const bool spam_side = rating.score >= 0.5;
    const auto clues = collector_->Clues().first(used_clues_);
    std::array<const Clue*, VerdictClues> strongest{};
    for (const Clue& clue : clues) {
        if ((clue.probability >= 0.5f) != spam_side) continue;
        const auto weaker = [&](const Clue* other) {
            return other == nullptr ||
                   (spam_side ? clue.probability > other->probability : clue.probability < other->probability);
        };
        for (std::size_t i = 0; i < VerdictClues; ++i) {
            if (!weaker(strongest[i])) continue;
            for (std::size_t j = VerdictClues - 1; j > i; --j) strongest[j] = strongest[j - 1];
            strongest[i] = &clue;
            break;
        }
    }
    std::array<std::string_view, VerdictClues> texts;
    std::size_t shown = 0;
    for (const Clue* clue : strongest) {
        if (clue != nullptr) texts[shown++] = collector_->Text(*clue);
    }
    WriteVerdict(verdict, rating.score, std::span(texts).first(shown));
    return rating.rate;
}

}  // namespace tarn::rules
