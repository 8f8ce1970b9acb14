#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace rvx {

// Whole days since 30 December 1899 plus the fraction of the day (one hour = 1/24). Before that
// day the whole part counts backwards while the fraction still is the time of day, so -1.25 is
// 29 December 1899 06:00.
using DateTime = double;

struct CivilDateTime {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;

    friend bool operator==(const CivilDateTime&, const CivilDateTime&) = default;
};

bool isLeapYear(int year);
// 0 for a month outside 1..12.
int daysInMonth(int year, int month);

// True for years 1..9999 with a real calendar day and a time of 00:00:00.000 to 23:59:59.999.
bool isValidCivilDateTime(const CivilDateTime& civil);

// Encodes without checking (callers that built the fields themselves); see tryEncodeDateTime.
DateTime encodeDateTime(const CivilDateTime& civil);
std::optional<DateTime> tryEncodeDateTime(const CivilDateTime& civil);

// Rounds to the nearest millisecond, carrying into the next day rather than showing second 60.
// Values beyond the years 1 to 9999 give the nearest end of that range, not-a-number gives day 0.
CivilDateTime decodeDateTime(DateTime value);

// The local wall-clock time.
DateTime nowDateTime();

// A day number is the whole day count of a DateTime as 16 bits, high byte first on the wire.
std::uint16_t dayNumberFromBytes(std::uint8_t high, std::uint8_t low);
std::array<std::uint8_t, 2> dayNumberBytes(std::uint16_t dayNumber);
DateTime dateTimeFromDayNumber(std::uint16_t dayNumber);
// The day of the value (time of day dropped); none before 30 December 1899 or past day 65535.
std::optional<std::uint16_t> dayNumberFromDateTime(DateTime value);

}  // namespace rvx
