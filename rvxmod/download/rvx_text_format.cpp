#include "rvxmod/download/rvx_text_format.h"

#include <array>
#include <charconv>
#include <chrono>
#include <cmath>
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
    using namespace std::chrono;
    constexpr std::int64_t kMillisecondsPerDay = 86'400'000;
    const auto totalMs = static_cast<std::int64_t>(std::llround(dateTime * kMillisecondsPerDay));
    const std::int64_t dayCount =
        totalMs >= 0 ? totalMs / kMillisecondsPerDay : (totalMs + 1) / kMillisecondsPerDay - 1;
    const std::int64_t msOfDay = totalMs - dayCount * kMillisecondsPerDay;
    const year_month_day date{sys_days{1899y / December / 30} + days{dayCount}};
    const hh_mm_ss<milliseconds> clock{milliseconds{msOfDay}};

    std::array<char, 32> buffer{};
    const int length = std::snprintf(
        buffer.data(), buffer.size(), "%04d/%02u/%02u %02d:%02d:%02d",
        static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
        static_cast<unsigned>(date.day()), static_cast<int>(clock.hours().count()),
        static_cast<int>(clock.minutes().count()), static_cast<int>(clock.seconds().count()));
    std::string text(buffer.data(), static_cast<std::size_t>(length));
    if (withMilliseconds) {
        text += ':';
        text += PadC(std::to_string(clock.subseconds().count()), 3, true, '0');
    }
    return text;
}

}  // namespace rvxmod
