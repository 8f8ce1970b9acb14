#include "common/date_parse.h"

#include <gtest/gtest.h>

#include "common/date_format.h"

namespace rvx {
namespace {

FormatSettings withDateFormat(const char* shortDateFormat, char dateSeparator = '/') {
    FormatSettings settings;
    settings.shortDateFormat = shortDateFormat;
    settings.dateSeparator = dateSeparator;
    return settings;
}

FormatSettings spanishMarkers() {
    FormatSettings settings = withDateFormat("dd/mm/yyyy");
    settings.timeAMString = "a.m.";
    settings.timePMString = "p.m.";
    return settings;
}

struct ParseCase {
    const char* text;
    FormatSettings settings;
    CivilDateTime expected;
};

const ParseCase kValidTexts[] = {
    {"2024/02/29 13:05:09", withDateFormat("yyyy/mm/dd"), {2024, 2, 29, 13, 5, 9, 0}},
    {" 2024/2/29  13:05 ", withDateFormat("yyyy/mm/dd"), {2024, 2, 29, 13, 5, 0, 0}},
    {"2024/02/29 13:05:09:250", withDateFormat("yyyy/mm/dd"), {2024, 2, 29, 13, 5, 9, 250}},
    {"29-02-2024 13:05:09.250", withDateFormat("dd-mm-yyyy", '-'), {2024, 2, 29, 13, 5, 9, 250}},
    {"02/29/2024 1:05 PM", withDateFormat("mm/dd/yyyy"), {2024, 2, 29, 13, 5, 0, 0}},
    {"02/29/2024 12:00:00 am", withDateFormat("mm/dd/yyyy"), {2024, 2, 29, 0, 0, 0, 0}},
    {"02/29/2024 12 PM", withDateFormat("mm/dd/yyyy"), {2024, 2, 29, 12, 0, 0, 0}},
    {"12/31/1899", withDateFormat("mm/dd/yyyy"), {1899, 12, 31}},
    {"12/29/1899 06:00", withDateFormat("mm/dd/yyyy"), {1899, 12, 29, 6, 0, 0, 0}},
    {"13:05", withDateFormat("mm/dd/yyyy"), {1899, 12, 30, 13, 5, 0, 0}},
    {"29/02/2024 1:05 p.m.", spanishMarkers(), {2024, 2, 29, 13, 5, 0, 0}},
};

TEST(ParseDateTime, ReadsDatesInTheOrderOfTheShortDateFormatWithOptionalTime) {
    for (const ParseCase& test : kValidTexts) {
        SCOPED_TRACE(test.text);
        const Result<DateTime> parsed = parseDateTime(test.text, test.settings);
        ASSERT_TRUE(parsed.ok()) << parsed.error().message;
        EXPECT_DOUBLE_EQ(*parsed, encodeDateTime(test.expected));
    }
}

TEST(ParseDateTime, RefusesImpossibleOrIncompleteTexts) {
    const FormatSettings ymd = withDateFormat("yyyy/mm/dd");
    for (const char* text :
         {"", "abc", "2023/02/29", "1900/02/29", "2024/13/01", "2024/01/01 24:00",
          "2024/01/01 12:60", "2024/01/01 12:00:60", "2024/01/01 0 AM", "2024/01/01 13 PM",
          "2024/01/01 12", "2024/01/01 12:00 x", "2024-01-01", "2024/01", "0000/01/01",
          "20245/01/01"}) {
        SCOPED_TRACE(text);
        const Result<DateTime> parsed = parseDateTime(text, ymd);
        ASSERT_FALSE(parsed.ok());
        EXPECT_EQ(parsed.error().message,
                  std::string("'") + text + "' is not a valid date and time");
    }
}

TEST(ParseDateTime, PlacesTwoDigitYearsInTheCenturyWindow) {
    const FormatSettings mdy = withDateFormat("mm/dd/yy");
    const int thisYear = decodeDateTime(nowDateTime()).year;
    const int lastYear = (thisYear - 1) % 100;
    const int nextYear = (thisYear + 1) % 100;
    // Within 50 years of today in either direction.
    EXPECT_EQ(decodeDateTime(*parseDate("01/01/" + std::to_string(lastYear), mdy)).year,
              thisYear - 1);
    EXPECT_EQ(decodeDateTime(*parseDate("01/01/" + std::to_string(nextYear), mdy)).year,
              thisYear + 1);
    EXPECT_EQ(decodeDateTime(*parseDate("01/01/0099", mdy)).year, 99);
}

TEST(ParseDateAndTime, AcceptOnlyTheirOwnPart) {
    const FormatSettings dmy = withDateFormat("dd/mm/yyyy");
    EXPECT_DOUBLE_EQ(*parseDate("29/02/2000", dmy), encodeDateTime({2000, 2, 29}));
    EXPECT_FALSE(parseDate("29/02/2000 10:00", dmy).ok());
    EXPECT_DOUBLE_EQ(*parseTime("23:59:59.999", dmy),
                     encodeDateTime({1899, 12, 30, 23, 59, 59, 999}));
    EXPECT_FALSE(parseTime("29/02/2000", dmy).ok());
    EXPECT_EQ(parseTime("25:00", dmy).error().message, "'25:00' is not a valid time");
}

TEST(DateOrder, FollowsTheFirstDateLetter) {
    EXPECT_EQ(dateOrderOf("yyyy/mm/dd"), DateOrder::YearMonthDay);
    EXPECT_EQ(dateOrderOf("MM/dd/yyyy"), DateOrder::MonthDayYear);
    EXPECT_EQ(dateOrderOf("dd.mm.yyyy"), DateOrder::DayMonthYear);
    EXPECT_EQ(dateOrderOf(""), DateOrder::MonthDayYear);
}

TEST(ParseDateTime, ReadsBackWhatFormatDateTimeWrote) {
    const FormatSettings ymd = withDateFormat("yyyy/mm/dd", '-');
    for (const CivilDateTime& civil :
         {CivilDateTime{2000, 2, 29, 23, 59, 59, 999}, CivilDateTime{1899, 12, 29, 6, 0, 0, 1},
          CivilDateTime{2026, 7, 4, 0, 0, 0, 0}}) {
        const DateTime value = encodeDateTime(civil);
        const std::string text = formatDateTime("yyyy/mm/dd hh:nn:ss.zzz", value, ymd);
        SCOPED_TRACE(text);
        EXPECT_DOUBLE_EQ(*parseDateTime(text, ymd), value);
    }
}

}  // namespace
}  // namespace rvx
