#include "rules/rate_scale.h"

#include <algorithm>
#include <cmath>

namespace tarn::rules {

namespace {

// first + (the position of score in [low, high)) * (last + 1 - first), kept within first..last.
unsigned Spread(double score, double low, double high, unsigned first, unsigned last) noexcept {
    const double share = high > low ? (score - low) / (high - low) : 0.0;
    if (!(share > 0.0)) return first;  // NaN too
    const double rate = first + std::floor(share * (last + 1 - first));
    return static_cast<unsigned>(std::clamp(rate, static_cast<double>(first), static_cast<double>(last)));
}

}  // namespace

unsigned char RateOfScore(double score, double ham_cutoff, double spam_cutoff) noexcept {
    unsigned rate = 0;
    if (score >= spam_cutoff) {
        rate = Spread(score, spam_cutoff, 1.0, FirstSpamRate, MaxRate);
    } else if (score >= ham_cutoff) {
        rate = Spread(score, ham_cutoff, spam_cutoff, FirstUnsureRate, FirstSpamRate - 1);
    } else {
        rate = Spread(score, 0.0, ham_cutoff, 0, FirstUnsureRate - 1);
    }
    return static_cast<unsigned char>(rate);
}

}  // namespace tarn::rules
