#pragma once

namespace tarn::rules {

// The rates of the three bands of scores.
inline constexpr unsigned FirstUnsureRate = 30;
inline constexpr unsigned FirstSpamRate = 50;
inline constexpr unsigned MaxRate = 255;

// The rate of a combined score (0 to 1), linear within each band: scores below ham_cutoff
// give 0 to 29, scores below spam_cutoff 30 to 49 (unsure), the rest 50 to 255, so that the
// add-in's limit of 50 falls on the spam cutoff.
unsigned char RateOfScore(double score, double ham_cutoff, double spam_cutoff) noexcept;

}  // namespace tarn::rules
