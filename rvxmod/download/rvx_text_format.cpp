#include "rvxmod/download/rvx_text_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>

namespace rvxmod {

void appendFixed(std::string& out, double value, int decimals) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, decimals);
    out.append(buffer.data(), result.ptr);
}

void appendInteger(std::string& out, std::int64_t value) {
    std::array<char, 24> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    out.append(buffer.data(), result.ptr);
}

std::string PadC(std::string_view text, std::size_t width, bool onTheLeft, char fill) {
    if (text.size() >= width) return std::string(text);
    const std::string padding(width - text.size(), fill);
    return onTheLeft ? padding + std::string(text) : std::string(text) + padding;
}

std::string formatDateTime(rvx::DateTime dateTime, bool withMilliseconds) {
    const rvx::CivilDateTime civil = rvx::decodeDateTime(dateTime);
    std::array<char, 40> buffer{};
    const int length =
        withMilliseconds
            ? std::snprintf(buffer.data(), buffer.size(), "%04d/%02d/%02d %02d:%02d:%02d:%03d",
                            civil.year, civil.month, civil.day, civil.hour, civil.minute,
                            civil.second, civil.millisecond)
            : std::snprintf(buffer.data(), buffer.size(), "%04d/%02d/%02d %02d:%02d:%02d",
                            civil.year, civil.month, civil.day, civil.hour, civil.minute,
                            civil.second);
    return std::string(buffer.data(), static_cast<std::size_t>(std::max(length, 0)));
}

}  // namespace rvxmod
