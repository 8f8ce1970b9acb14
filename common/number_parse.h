#pragma once

#include <charconv>
#include <concepts>
#include <optional>
#include <string_view>

#include "common/fixed_text.h"

namespace rvx {

// A decimal number written with the given decimal separator, optionally signed and with an
// exponent ("1,5E-3" with ','). Blanks around it are allowed; thousands separators, a '.' that is
// not the separator, infinities and values out of range are not.
std::optional<double> parseDouble(std::string_view text, char decimalSeparator = '.');

namespace detail {
// The trimmed text without a leading '+' (which from_chars refuses); "+-1" stays invalid.
inline std::string_view unsignedPlus(std::string_view text) {
    text = trim(text);
    if (text.starts_with('+') && !text.substr(1).starts_with('-')) text.remove_prefix(1);
    return text;
}
}  // namespace detail

// A whole decimal number, optionally signed, that fits T; blanks around it are allowed.
template <std::integral T>
std::optional<T> parseInteger(std::string_view text) {
    text = detail::unsignedPlus(text);
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace rvx
