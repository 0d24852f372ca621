#pragma once

#include <cstddef>
#include <string>

namespace tarn::tools::stream {

// "12 (0.43%)": a count and its share of a whole, in percent with two decimals.
std::string CountAndShare(std::size_t part, std::size_t whole);

// A number with a fixed count of decimals, whatever the locale.
std::string Fixed(double value, int decimals);

}  // namespace tarn::tools::stream
