#include "rules/fisher_combining.h"

#include <algorithm>
#include <cmath>

namespace tarn::rules {

namespace {

float Strength(const Clue& clue) noexcept {
    return std::fabs(clue.probability - 0.5f);
}

bool Stronger(const Clue& a, const Clue& b) noexcept {
    const float sa = Strength(a);
    const float sb = Strength(b);
    return sa != sb ? sa > sb : a.hash < b.hash;
}

constexpr double SmallProduct = 1e-200;
constexpr double Ln2 = 0.69314718055994530942;

double Normalized(double product, int& exponent) noexcept {
    int moved = 0;
    const double mantissa = std::frexp(product, &moved);
    exponent += moved;
    return mantissa;
}

}  // namespace

double ChiSquareSurvival(double chi2, std::size_t degrees) noexcept {
    const double half = chi2 / 2.0;
    double term = std::exp(-half);
    double sum = term;
    for (std::size_t i = 1; i < degrees / 2; ++i) {
        term *= half / static_cast<double>(i);
        sum += term;
    }
    return std::min(sum, 1.0);
}

Combined CombineClues(std::span<Clue> clues, std::size_t max_clues) noexcept {
    Combined combined;
    combined.used = std::min(clues.size(), max_clues);
    if (combined.used == 0) return combined;
    if (combined.used < clues.size()) {
        std::nth_element(clues.begin(), clues.begin() + static_cast<std::ptrdiff_t>(combined.used - 1), clues.end(),
                         Stronger);
    }
    // The products of the probabilities and of their complements, kept in range by moving
    // their binary exponents aside: two logarithms in all instead of two per clue.
    double ham_product = 1.0;
    double spam_product = 1.0;
    int ham_exponent = 0;
    int spam_exponent = 0;
    for (const Clue& clue : clues.first(combined.used)) {
        ham_product *= static_cast<double>(clue.probability);
        spam_product *= 1.0 - static_cast<double>(clue.probability);
        if (ham_product < SmallProduct) ham_product = Normalized(ham_product, ham_exponent);
        if (spam_product < SmallProduct) spam_product = Normalized(spam_product, spam_exponent);
    }
    const double ham_log = std::log(ham_product) + ham_exponent * Ln2;
    const double spam_log = std::log(spam_product) + spam_exponent * Ln2;
    const std::size_t degrees = 2 * combined.used;
    const double spam_indication = 1.0 - ChiSquareSurvival(-2.0 * spam_log, degrees);
    const double ham_indication = 1.0 - ChiSquareSurvival(-2.0 * ham_log, degrees);
    combined.score = (1.0 + spam_indication - ham_indication) / 2.0;
    return combined;
}

}  // namespace tarn::rules
