#include "common/date_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

namespace rvx {

void PrintTo(const CivilDateTime& civil, std::ostream* out) {
    *out << civil.year << '-' << civil.month << '-' << civil.day << ' ' << civil.hour << ':'
         << civil.minute << ':' << civil.second << '.' << civil.millisecond;
}

namespace {

struct KnownDate {
    CivilDateTime civil;
    DateTime value;
};

// Reference points of the day count: its origin, the 1900 non-leap February, 2000's leap day and
// days before the origin whose fraction still reads as the time of day.
const KnownDate kKnownDates[] = {
    {{1899, 12, 30, 0, 0, 0, 0}, 0.0},      {{1899, 12, 30, 12, 0, 0, 0}, 0.5},
    {{1899, 12, 29, 6, 0, 0, 0}, -1.25},    {{1899, 12, 29, 0, 0, 0, 0}, -1.0},
    {{1800, 1, 1, 18, 0, 0, 0}, -36522.75}, {{1900, 2, 28, 0, 0, 0, 0}, 60.0},
    {{1900, 3, 1, 0, 0, 0, 0}, 61.0},       {{2000, 1, 1, 0, 0, 0, 0}, 36526.0},
    {{2000, 2, 29, 18, 0, 0, 0}, 36585.75}, {{2000, 3, 1, 0, 0, 0, 0}, 36586.0},
};

TEST(DateTime, EncodesAndDecodesReferenceDates) {
    for (const KnownDate& known : kKnownDates) {
        SCOPED_TRACE(known.value);
        EXPECT_DOUBLE_EQ(encodeDateTime(known.civil), known.value);
        EXPECT_EQ(decodeDateTime(known.value), known.civil);
    }
}

TEST(DateTime, RoundTripsEveryFieldToTheMillisecond) {
    const CivilDateTime samples[] = {
        {2023, 12, 31, 23, 59, 59, 999}, {2024, 2, 29, 0, 0, 0, 1},
        {1899, 12, 29, 23, 59, 59, 999}, {1600, 2, 29, 12, 34, 56, 789},
        {9999, 12, 31, 23, 59, 59, 999}, {1, 1, 1, 0, 0, 0, 0},
    };
    for (const CivilDateTime& civil : samples) {
        SCOPED_TRACE(::testing::PrintToString(civil));
        EXPECT_EQ(decodeDateTime(encodeDateTime(civil)), civil);
    }
}

TEST(DateTime, RoundsToTheNearestMillisecondAndCarriesIntoTheNextDay) {
    const double halfMillisecond = 0.5 / 86'400'000;
    EXPECT_EQ(decodeDateTime(36526.0 - halfMillisecond / 4),
              (CivilDateTime{2000, 1, 1, 0, 0, 0, 0}));
    EXPECT_EQ(decodeDateTime(std::nextafter(36526.0, 0.0)),
              (CivilDateTime{2000, 1, 1, 0, 0, 0, 0}));
    EXPECT_EQ(decodeDateTime(36526.0 + 3 * halfMillisecond / 2),
              (CivilDateTime{2000, 1, 1, 0, 0, 0, 1}));
    // Before the origin the fraction is still time of day: close to 24:00 of 29 December.
    EXPECT_EQ(decodeDateTime(-2.0 + 1e-10), (CivilDateTime{1899, 12, 30, 0, 0, 0, 0}));
}

TEST(DateTime, DecodesCorruptValuesToTheEndsOfTheCalendar) {
    EXPECT_EQ(decodeDateTime(1e300), (CivilDateTime{9999, 12, 31, 23, 59, 59, 999}));
    EXPECT_EQ(decodeDateTime(-std::numeric_limits<double>::infinity()),
              (CivilDateTime{1, 1, 1, 23, 59, 59, 999}));
    EXPECT_EQ(decodeDateTime(std::nan("")), CivilDateTime{});
}

TEST(DateTime, CheckedEncodingRefusesImpossibleFields) {
    const CivilDateTime invalid[] = {
        {1900, 2, 29, 0, 0, 0, 0}, {2023, 4, 31, 0, 0, 0, 0}, {2023, 13, 1, 0, 0, 0, 0},
        {2023, 0, 1, 0, 0, 0, 0},  {2023, 1, 0, 0, 0, 0, 0},  {2023, 1, 1, 24, 0, 0, 0},
        {2023, 1, 1, 0, 60, 0, 0}, {2023, 1, 1, 0, 0, 60, 0}, {2023, 1, 1, 0, 0, 0, 1000},
        {0, 1, 1, 0, 0, 0, 0},     {10000, 1, 1, 0, 0, 0, 0}, {2023, 1, 1, -1, 0, 0, 0},
    };
    for (const CivilDateTime& civil : invalid) {
        SCOPED_TRACE(::testing::PrintToString(civil));
        EXPECT_EQ(tryEncodeDateTime(civil), std::nullopt);
    }
    EXPECT_EQ(tryEncodeDateTime({2000, 2, 29, 23, 59, 59, 999}),
              encodeDateTime({2000, 2, 29, 23, 59, 59, 999}));
}

TEST(DateTime, LeapYearsAndMonthLengths) {
    EXPECT_FALSE(isLeapYear(1900));
    EXPECT_TRUE(isLeapYear(2000));
    EXPECT_TRUE(isLeapYear(2024));
    EXPECT_FALSE(isLeapYear(2023));
    EXPECT_EQ(daysInMonth(1900, 2), 28);
    EXPECT_EQ(daysInMonth(2000, 2), 29);
    EXPECT_EQ(daysInMonth(2023, 4), 30);
    EXPECT_EQ(daysInMonth(2023, 12), 31);
    EXPECT_EQ(daysInMonth(2023, 13), 0);
}

TEST(DateTime, NowIsAPlausibleLocalTime) {
    const CivilDateTime now = decodeDateTime(nowDateTime());
    EXPECT_GE(now.year, 2024);
    EXPECT_TRUE(isValidCivilDateTime(now));
}

TEST(DayNumber, TravelsHighByteFirstAndDropsTheTimeOfDay) {
    EXPECT_EQ(dayNumberFromBytes(0x8E, 0xAE), 36526);
    EXPECT_EQ(dayNumberBytes(36526), (std::array<std::uint8_t, 2>{0x8E, 0xAE}));
    EXPECT_EQ(dayNumberFromBytes(0xFF, 0xFF), 65535);
    EXPECT_EQ(decodeDateTime(dateTimeFromDayNumber(36526)), (CivilDateTime{2000, 1, 1}));
    EXPECT_EQ(dayNumberFromDateTime(36526.99), 36526);
    EXPECT_EQ(dayNumberFromDateTime(65535.5), 65535);
    EXPECT_EQ(dayNumberFromDateTime(65536.0), std::nullopt);
    EXPECT_EQ(dayNumberFromDateTime(-1.25), std::nullopt);
    EXPECT_EQ(dayNumberFromDateTime(std::nan("")), std::nullopt);
}

}  // namespace
}  // namespace rvx
