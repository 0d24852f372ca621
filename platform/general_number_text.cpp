#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

#include "platform/locale_format.h"

namespace tarn::platform {

namespace {

constexpr int SignificantDigits = 15;
// Decimal exponents shown in fixed-point: from 1E-5 up to below 1E15.
constexpr int SmallestFixedExponent = -5;
constexpr int LargestFixedExponent = SignificantDigits - 1;

// A finite non-zero number rounded to the significant digits: digits "d1d2..." without
// trailing zeros, worth d1.d2... times ten to the exponent.
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

DecimalDigits RoundedDigits(long double value) {
    // Scientific notation at the full precision: "-d.dddddddddddddde-XX". The standard
    // conversion rounds the exact binary value correctly, also for long double.
    char text[64];
    const auto written =
        std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, SignificantDigits - 1);
    const std::string_view scientific(text, static_cast<std::size_t>(written.ptr - text));

    DecimalDigits result;
    std::string_view mantissa = scientific.substr(0, scientific.find('e'));
    std::string_view exponent = scientific.substr(mantissa.size() + 1);
    if (mantissa.starts_with('-')) {
        result.negative = true;
        mantissa.remove_prefix(1);
    }
    for (const char c : mantissa) {
        if (c != '.') result.digits += c;
    }
    result.digits.erase(result.digits.find_last_not_of('0') + 1);
    if (exponent.starts_with('+')) exponent.remove_prefix(1);
    std::from_chars(exponent.data(), exponent.data() + exponent.size(), result.exponent);
    return result;
}

std::string FixedText(const DecimalDigits& number, char decimal_separator) {
    if (number.exponent < 0) {
        std::string text = "0";
        text += decimal_separator;
        text.append(static_cast<std::size_t>(-number.exponent - 1), '0');
        text += number.digits;
        return text;
    }
    const auto integer_length = static_cast<std::size_t>(number.exponent) + 1;
    if (number.digits.size() <= integer_length) {
        return number.digits + std::string(integer_length - number.digits.size(), '0');
    }
    return number.digits.substr(0, integer_length) + decimal_separator + number.digits.substr(integer_length);
}

std::string ExponentText(const DecimalDigits& number, char decimal_separator) {
    std::string text = number.digits.substr(0, 1);
    if (number.digits.size() > 1) {
        text += decimal_separator;
        text += number.digits.substr(1);
    }
    return text + "E" + std::to_string(number.exponent);
}

}  // namespace

std::string GeneralNumberText(long double value, char decimal_separator) {
    // What is no number is named, in capitals like the exponent's "E".
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (value == 0) return "0";  // also negative zero

    const DecimalDigits number = RoundedDigits(value);
    // Which form is decided on the rounded number: 999999999999999.9 shows as 1E15.
    const bool fixed = number.exponent >= SmallestFixedExponent && number.exponent <= LargestFixedExponent;
    const std::string text = fixed ? FixedText(number, decimal_separator) : ExponentText(number, decimal_separator);
    return number.negative ? "-" + text : text;
}

}  // namespace tarn::platform
