#include "rvxmod/download/rvx_text_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "common/fixed_text.h"
#include "common/number_format.h"

namespace rvxmod {
namespace {

constexpr int kSignificantDigits = 18;
constexpr int kMostKeptDigits = 48;

// |value| as 0.d1 d2 ... d18 x 10^pointPosition, correctly rounded from the binary value.
struct SignificantDigits {
    std::array<char, kSignificantDigits> digits{};
    int pointPosition = 0;
};

SignificantDigits significantDigits(double magnitude) {
    std::array<char, 40> text{};
    const char* end = std::to_chars(text.data(), text.data() + text.size(), magnitude,
                                    std::chars_format::scientific, kSignificantDigits - 1)
                          .ptr;
    SignificantDigits result;
    result.digits[0] = text[0];
    std::copy_n(text.data() + 2, kSignificantDigits - 1, result.digits.data() + 1);
    const char* exponent = text.data() + kSignificantDigits + 2;  // after "d.ddd...e"
    if (*exponent == '+') ++exponent;
    std::from_chars(exponent, end, result.pointPosition);
    ++result.pointPosition;
    return result;
}

}  // namespace

void appendFixed(std::string& out, double value, int decimals) {
    const SignificantDigits number = significantDigits(std::fabs(value));
    const int kept = number.pointPosition + decimals;
    if (!std::isfinite(value) || decimals < 0 || kept > kMostKeptDigits) {
        out += rvx::formatFixed(value, decimals);
        return;
    }
    // The kept digits, from the first significant one, rounded half away from zero.
    std::array<char, kMostKeptDigits + 1> digits{};
    int count = std::max(kept, 0);
    std::fill_n(digits.data() + 1, count, '0');
    std::copy_n(number.digits.data(), std::min(count, kSignificantDigits), digits.data() + 1);
    int pointPosition = number.pointPosition;
    char* first = digits.data() + 1;
    if (kept >= 0 && kept < kSignificantDigits &&
        number.digits[static_cast<std::size_t>(kept)] >= '5') {
        char* digit = first + count - 1;
        while (digit >= first && *digit == '9') *digit-- = '0';
        if (digit >= first) {
            ++*digit;
        } else {
            *--first = '1';
            ++count;
            ++pointPosition;
        }
    }
    const bool nonZero = std::any_of(first, first + count, [](char d) { return d != '0'; });
    if (std::signbit(value) && nonZero) out += '-';
    const int whole = std::clamp(pointPosition, 0, count);
    if (whole == 0)
        out += '0';
    else
        out.append(first, static_cast<std::size_t>(whole));
    if (decimals == 0) return;
    out += '.';
    const int leadingZeros = std::min(std::max(-pointPosition, 0), decimals);
    out.append(static_cast<std::size_t>(leadingZeros), '0');
    out.append(first + whole, static_cast<std::size_t>(decimals - leadingZeros));
}

void appendInteger(std::string& out, std::int64_t value) {
    std::array<char, 24> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    out.append(buffer.data(), result.ptr);
}

void appendRealTime(std::string& out, rvx::DateTime value) {
    const rvx::CivilDateTime civil = rvx::decodeDateTime(value);
    const auto digits = [&out](int number, int width) {
        std::array<char, 8> text{};
        for (int i = width - 1; i >= 0; --i, number /= 10)
            text[static_cast<std::size_t>(i)] = static_cast<char>('0' + number % 10);
        out.append(text.data(), static_cast<std::size_t>(width));
    };
    digits(civil.year, 4);
    out += '/';
    digits(civil.month, 2);
    out += '/';
    digits(civil.day, 2);
    out += ' ';
    digits(civil.hour, 2);
    out += ':';
    digits(civil.minute, 2);
    out += ':';
    digits(civil.second, 2);
    out += ':';
    digits(civil.millisecond, 3);
}

std::string fiveDigitSerial(std::int32_t serialNumber) {
    return rvx::PadC(std::to_string(serialNumber), 5, true, '0');
}

}  // namespace rvxmod
