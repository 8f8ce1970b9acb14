#include "common/date_format.h"

#include <gtest/gtest.h>

namespace rvx {
namespace {

FormatSettings dashesAndDots() {
    FormatSettings settings;
    settings.dateSeparator = '-';
    settings.timeSeparator = '.';
    return settings;
}

FormatSettings spanishNames() {
    FormatSettings settings;
    settings.longMonthNames[0] = "enero";
    settings.timeAMString = "a.m.";
    settings.timePMString = "p.m.";
    return settings;
}

FormatSettings selfNamingFormats() {
    FormatSettings settings;
    settings.shortDateFormat = "'<'c'>'";
    settings.longTimeFormat = "tt";
    return settings;
}

struct FormatCase {
    const char* pattern;
    CivilDateTime civil;
    FormatSettings settings;
    const char* expected;
};

const FormatCase kFormatCases[] = {
    {"yyyy/mm/dd hh:nn:ss", {2024, 2, 29, 13, 5, 9, 0}, {}, "2024/02/29 13:05:09"},
    {"yyyy/mm/dd hh:nn:ss:zzz", {2024, 2, 29, 23, 59, 59, 7}, {}, "2024/02/29 23:59:59:007"},
    {"yyyy/mm/dd hh:nn:ss.zzz", {2023, 12, 31, 23, 59, 59, 999}, {}, "2023/12/31 23:59:59.999"},
    {"d/m/yy z", {2005, 1, 2, 3, 4, 5, 7}, {}, "2/1/05 7"},
    // "mm" after an hour is minutes, elsewhere the month.
    {"mm/dd/yy hh:mm:ss", {2005, 1, 2, 3, 4, 5, 0}, {}, "01/02/05 03:04:05"},
    {"dd-mmmm-yyyy", {2005, 1, 2}, {}, "02-January-2005"},
    {"dd-mmmm-yyyy", {2005, 1, 2}, spanishNames(), "02-enero-2005"},
    {"mmm ddd dddd", {2005, 1, 2}, {}, "Jan Sun Sunday"},
    {"hh:mm:ss AM/PM", {2005, 1, 2, 0, 15, 0, 0}, {}, "12:15:00 AM"},
    {"hh:mm:ss AM/PM", {2005, 1, 2, 11, 59, 59, 0}, {}, "11:59:59 AM"},
    {"hh:mm:ss AM/PM", {2005, 1, 2, 12, 30, 0, 0}, {}, "12:30:00 PM"},
    {"hh:mm:ss am/pm", {2005, 1, 2, 13, 0, 0, 0}, {}, "01:00:00 pm"},
    {"mm/dd hh:mm:ss AM/PM", {2005, 11, 2, 23, 4, 5, 0}, {}, "11/02 11:04:05 PM"},
    {"h:n a/p", {2005, 1, 2, 13, 5, 0, 0}, {}, "1:5 p"},
    {"h:nn AMPM", {2005, 1, 2, 9, 5, 0, 0}, spanishNames(), "9:05 a.m."},
    // A quoted "a" does not switch to the 12-hour clock.
    {"hh 'at' nn", {2005, 1, 2, 13, 5, 0, 0}, {}, "13 at 05"},
    {"yyyy/mm/dd hh:nn", {2005, 1, 2, 3, 4, 0, 0}, dashesAndDots(), "2005-01-02 03.04"},
    {"yyyy'/'mm\":\"dd", {2005, 1, 2}, dashesAndDots(), "2005/01:02"},
    {"c", {2005, 1, 2}, {}, "01/02/2005"},
    {"", {2005, 1, 2, 3, 4, 5, 0}, {}, "01/02/2005 03:04:05"},
    {"ddddd tt", {2005, 1, 2, 3, 4, 5, 0}, dashesAndDots(), "01-02-2005 03.04.05"},
    {"yyyy/mm/dd hh:nn", {1899, 12, 29, 6, 0, 0, 0}, {}, "1899/12/29 06:00"},
    {"c", {2005, 1, 2, 3, 4, 5, 0}, selfNamingFormats(), "< > "},
};

TEST(FormatDateTime, WritesEachPatternLetterAsTheFormatsUseIt) {
    for (const FormatCase& test : kFormatCases) {
        SCOPED_TRACE(test.pattern);
        EXPECT_EQ(formatDateTime(test.pattern, encodeDateTime(test.civil), test.settings),
                  test.expected);
    }
}

}  // namespace
}  // namespace rvx
