#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <span>
#include <string_view>

#include "rules/dictionary.h"
#include "rules/lessons.h"
#include "rules/token_table.h"

namespace tarn::rules {

class ClueCollector;

// How many messages of the shipped dictionary one lesson counts as. The user's own mail says
// more about the mail they get than the public corpus the dictionary was trained on, and a
// lesson comes only where the engine was wrong or unsure; chosen by the online validation inside
// the training mail (see README, "Learning on a stream of mail").
inline constexpr unsigned DefaultLessonWeight = 4;
// Weights are taken between 1 and this, so that the counts of the largest user file the engine
// reads still fit.
inline constexpr unsigned MaxLessonWeight = 16;

// The rating engine over one dictionary: tokenizes a screening text, looks its tokens up,
// combines the clues and maps the score to a rate. Without a dictionary every text rates 0.
// Rating allocates nothing; everything it needs is made when a dictionary is taken.
class Engine {
public:
    explicit Engine(unsigned lesson_weight = DefaultLessonWeight);
    ~Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // Takes the dictionary of a file; false, and no dictionary at all, when the file is
    // missing or refused.
    bool Load(const std::filesystem::path& file);
    // Takes a dictionary made in memory; false, and no dictionary, when it is not usable.
    bool Use(const Dictionary& dictionary);
    void Unload() noexcept;

    bool HasData() const noexcept { return collector_ != nullptr; }
    const ClassifierParameters& Parameters() const noexcept { return parameters_; }
    const TokenTable& Table() const noexcept { return table_; }

    struct Rating {
        double score = 0.5;
        unsigned char rate = 0;
    };
    Rating Rate(std::string_view text);

    // Rates the text and writes the verdict into `verdict`: empty without a dictionary.
    unsigned char Analyze(std::string_view text, std::span<char> verdict);

    // The user's lessons: the text's tokens count as spam (or ham) in every later rating, as
    // many times as the lesson weight says. A text counts once however often it is learnt;
    // learnt as the other kind, it moves there. Unlearn takes back a text that was learnt as
    // that kind, and nothing else. Without a dictionary there is nothing to learn into. Both
    // return whether anything changed.
    bool Learn(std::string_view text, bool spam);
    bool Unlearn(std::string_view text, bool spam);
    const Lessons& Taught() const noexcept { return lessons_; }
    unsigned LessonWeight() const noexcept { return lesson_weight_; }
    // Takes the lessons of a user file, on top of the dictionary, each counted with the lesson
    // weight as if it had just been learnt: false, and nothing taken, without a dictionary or
    // when the engine was taught already.
    bool Take(const UserDictionary& lessons);

private:
    // Counts the tokens in (`direction` 1) or out (-1), as often as the lesson weight says.
    void Count(const TokenSet& tokens, bool spam, int direction);

    unsigned lesson_weight_;
    ClassifierParameters parameters_;
    TokenTable table_;
    std::unique_ptr<ClueCollector> collector_;
    Lessons lessons_;
    std::size_t used_clues_ = 0;
};

}  // namespace tarn::rules
