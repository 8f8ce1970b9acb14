#include "common/number_format.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace rvx {
namespace {

// The value as 0.digits × 10^exponent; no digits means zero.
struct DecimalDigits {
    std::string digits;
    int exponent = 0;
    bool negative = false;

    char at(int index) const {
        return index >= 0 && index < static_cast<int>(digits.size())
                   ? digits[static_cast<std::size_t>(index)]
                   : '0';
    }
};

constexpr int kSignificantDigits = 18;
constexpr int kGeneralDigits = 15;

DecimalDigits decimalDigits(double value) {
    DecimalDigits result;
    result.negative = std::signbit(value);
    if (value == 0) return result;
    // "d.ddddddddddddddddde±x": correctly rounded from the exact binary value.
    char text[48];
    const auto end = std::to_chars(std::begin(text), std::end(text), std::fabs(value),
                                   std::chars_format::scientific, kSignificantDigits - 1)
                         .ptr;
    const std::string_view scientific(text, static_cast<std::size_t>(end - text));
    const std::size_t e = scientific.find('e');
    result.digits = std::string(1, scientific[0]) + std::string(scientific.substr(2, e - 2));
    const char* exponentStart = scientific.data() + e + 1;
    if (*exponentStart == '+') ++exponentStart;
    std::from_chars(exponentStart, end, result.exponent);
    ++result.exponent;
    return result;
}

void stripTrailingZeros(DecimalDigits& number) {
    const std::size_t last = number.digits.find_last_not_of('0');
    number.digits.resize(last == std::string::npos ? 0 : last + 1);
}

// Keeps the first `keep` digits, rounding half away from zero.
void roundDigits(DecimalDigits& number, int keep) {
    if (keep >= static_cast<int>(number.digits.size())) return stripTrailingZeros(number);
    if (keep < 0) {
        number.digits.clear();
        return;
    }
    const bool up = number.digits[static_cast<std::size_t>(keep)] >= '5';
    number.digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        auto digit = number.digits.rbegin();
        while (digit != number.digits.rend() && *digit == '9') *digit++ = '0';
        if (digit == number.digits.rend()) {
            number.digits.insert(number.digits.begin(), '1');
            ++number.exponent;
        } else {
            ++*digit;
        }
    }
    stripTrailingZeros(number);
}

std::string wholePart(const DecimalDigits& number, char thousandSeparator) {
    if (number.exponent <= 0) return "0";
    std::string whole;
    for (int i = 0; i < number.exponent; ++i) {
        if (thousandSeparator != '\0' && i > 0 && (number.exponent - i) % 3 == 0) {
            whole += thousandSeparator;
        }
        whole += number.at(i);
    }
    return whole;
}

std::string digitsFrom(const DecimalDigits& number, int first, int count) {
    std::string text;
    for (int i = first; i < first + count; ++i) text += number.at(i);
    return text;
}

}  // namespace

std::string formatFixed(double value, int decimals, char decimalSeparator, char thousandSeparator) {
    if (!std::isfinite(value)) return formatGeneral(value, decimalSeparator);
    DecimalDigits number = decimalDigits(value);
    roundDigits(number, number.exponent + decimals);
    std::string text = number.negative && !number.digits.empty() ? "-" : "";
    text += wholePart(number, thousandSeparator);
    if (decimals > 0) text += decimalSeparator + digitsFrom(number, number.exponent, decimals);
    return text;
}

std::string formatGeneral(double value, char decimalSeparator) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    DecimalDigits number = decimalDigits(value);
    roundDigits(number, kGeneralDigits);
    if (number.digits.empty()) return "0";
    std::string text = number.negative ? "-" : "";
    const int size = static_cast<int>(number.digits.size());
    if (number.exponent > kGeneralDigits || number.exponent < -3) {
        text += number.digits[0];
        if (size > 1) text += decimalSeparator + number.digits.substr(1);
        return text + 'E' + std::to_string(number.exponent - 1);
    }
    text += wholePart(number, '\0');
    if (size > number.exponent) {
        text += decimalSeparator + digitsFrom(number, number.exponent, size - number.exponent);
    }
    return text;
}

}  // namespace rvx
