#include "common/number_parse.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>

namespace rvx {

std::optional<double> parseDouble(std::string_view text, char decimalSeparator) {
    text = detail::unsignedPlus(text);
    // Only digits, sign, separator and exponent: from_chars alone would also take "inf" and "nan".
    const bool plain = std::ranges::all_of(text, [&](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) || c == decimalSeparator || c == '-' ||
               c == '+' || c == 'e' || c == 'E';
    });
    if (!plain || text.empty()) return std::nullopt;
    std::string standard(text);
    std::ranges::replace(standard, decimalSeparator, '.');
    double value = 0;
    const auto [end, error] =
        std::from_chars(standard.data(), standard.data() + standard.size(), value);
    if (error != std::errc{} || end != standard.data() + standard.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace rvx
