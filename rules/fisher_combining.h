#pragma once

#include <cstddef>
#include <span>

#include "rules/clue_collector.h"

namespace tarn::rules {

// The probability that a chi-square variable of `degrees` (even) degrees of freedom exceeds
// `chi2`: the survival function, summed in closed form.
double ChiSquareSurvival(double chi2, std::size_t degrees) noexcept;

struct Combined {
    double score = 0.5;    // 0 (ham) to 1 (spam); 0.5 without clues
    std::size_t used = 0;  // the clues combined: the first `used` of the span
};

// Fisher's method over the strongest clues (at most max_clues; the strongest are moved to the
// front, ties taken by key so that the result does not depend on the tokens' order): the
// probabilities are combined into a spam indication S (how unlikely they are as ham tokens)
// and a ham indication H (the same for spam tokens), and the score is (1 + S - H) / 2. Near 0
// or 1 when the clues agree; near 0.5 when they are few or disagree.
Combined CombineClues(std::span<Clue> clues, std::size_t max_clues) noexcept;

}  // namespace tarn::rules
