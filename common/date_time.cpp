#include "common/date_time.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>
#include <limits>

namespace rvx {
namespace {

using namespace std::chrono_literals;

constexpr std::int64_t kMillisecondsPerDay = 86'400'000;
constexpr std::chrono::sys_days kEpoch = 1899y / std::chrono::December / 30;
// The extreme values within the years 1 to 9999 (1 January 0001 23:59:59.999 being the lowest).
constexpr double kLatest =
    (std::chrono::sys_days{9999y / std::chrono::December / 31} - kEpoch).count() + 0.99999999;
constexpr double kEarliest =
    (std::chrono::sys_days{1y / std::chrono::January / 1} - kEpoch).count() - 0.99999999;

// Day count relative to 30 December 1899 through the proleptic Gregorian calendar of <chrono>.
std::int64_t dayCount(int year, int month, int day) {
    const std::chrono::sys_days date = std::chrono::year(year) /
                                       std::chrono::month(static_cast<unsigned>(month)) /
                                       std::chrono::day(static_cast<unsigned>(day));
    return (date - kEpoch).count();
}

std::chrono::year_month_day civilDay(std::int64_t days) {
    return std::chrono::year_month_day{kEpoch + std::chrono::days(days)};
}

std::int64_t millisecondsOfDay(const CivilDateTime& civil) {
    return ((civil.hour * 60LL + civil.minute) * 60 + civil.second) * 1000 + civil.millisecond;
}

}  // namespace

bool isLeapYear(int year) {
    return std::chrono::year(year).is_leap();
}

int daysInMonth(int year, int month) {
    using namespace std::chrono;
    if (month < 1 || month > 12) return 0;
    const year_month_day_last monthEnd{std::chrono::year(year) /
                                       std::chrono::month(static_cast<unsigned>(month)) / last};
    return static_cast<int>(static_cast<unsigned>(monthEnd.day()));
}

bool isValidCivilDateTime(const CivilDateTime& civil) {
    return civil.year >= 1 && civil.year <= 9999 && civil.day >= 1 &&
           civil.day <= daysInMonth(civil.year, civil.month) && civil.hour >= 0 &&
           civil.hour < 24 && civil.minute >= 0 && civil.minute < 60 && civil.second >= 0 &&
           civil.second < 60 && civil.millisecond >= 0 && civil.millisecond < 1000;
}

DateTime encodeDateTime(const CivilDateTime& civil) {
    const auto days = static_cast<double>(dayCount(civil.year, civil.month, civil.day));
    const double time = static_cast<double>(millisecondsOfDay(civil)) / kMillisecondsPerDay;
    return days < 0 ? days - time : days + time;
}

std::optional<DateTime> tryEncodeDateTime(const CivilDateTime& civil) {
    if (!isValidCivilDateTime(civil)) return std::nullopt;
    return encodeDateTime(civil);
}

CivilDateTime decodeDateTime(DateTime value) {
    // Corrupt input must not reach the integer conversions below.
    value = std::isnan(value) ? 0.0 : std::clamp(value, kEarliest, kLatest);
    const double wholeDays = std::trunc(value);
    std::int64_t days = static_cast<std::int64_t>(wholeDays);
    std::int64_t milliseconds = std::llround(std::fabs(value - wholeDays) * kMillisecondsPerDay);
    if (milliseconds >= kMillisecondsPerDay) {
        milliseconds -= kMillisecondsPerDay;
        ++days;
    }
    const std::chrono::year_month_day date = civilDay(days);
    const auto millisecondsOf = [&](std::int64_t unit, std::int64_t range) {
        return static_cast<int>(milliseconds / unit % range);
    };
    return CivilDateTime{static_cast<int>(date.year()),
                         static_cast<int>(static_cast<unsigned>(date.month())),
                         static_cast<int>(static_cast<unsigned>(date.day())),
                         millisecondsOf(3'600'000, 24),
                         millisecondsOf(60'000, 60),
                         millisecondsOf(1000, 60),
                         millisecondsOf(1, 1000)};
}

DateTime nowDateTime() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    const auto millisecond = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    return encodeDateTime(CivilDateTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                                        local.tm_hour, local.tm_min, local.tm_sec,
                                        static_cast<int>(millisecond)});
}

std::uint16_t dayNumberFromBytes(std::uint8_t high, std::uint8_t low) {
    return static_cast<std::uint16_t>(high << 8 | low);
}

std::array<std::uint8_t, 2> dayNumberBytes(std::uint16_t dayNumber) {
    return {static_cast<std::uint8_t>(dayNumber >> 8), static_cast<std::uint8_t>(dayNumber & 0xFF)};
}

DateTime dateTimeFromDayNumber(std::uint16_t dayNumber) {
    return dayNumber;
}

std::optional<std::uint16_t> dayNumberFromDateTime(DateTime value) {
    const double day = std::trunc(value);
    if (!(day >= 0 && day <= std::numeric_limits<std::uint16_t>::max())) return std::nullopt;
    return static_cast<std::uint16_t>(day);
}

}  // namespace rvx
