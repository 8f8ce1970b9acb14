#pragma once

#include <array>
#include <string>

namespace rvx {

// The locale-dependent parts of turning numbers and dates into text and back. Passed explicitly
// so that no process-wide locale state decides how a file is written or read.
struct FormatSettings {
    char dateSeparator = '/';
    char timeSeparator = ':';
    char decimalSeparator = '.';
    char thousandSeparator = ',';
    char listSeparator = ',';
    // Besides formatting, its first letter gives the order of day, month and year when parsing.
    std::string shortDateFormat = "mm/dd/yyyy";
    std::string shortTimeFormat = "hh:nn";
    std::string longTimeFormat = "hh:nn:ss";
    std::string timeAMString = "AM";
    std::string timePMString = "PM";
    // A two-digit year is placed within this many years before the current year and after it.
    int twoDigitYearCenturyWindow = 50;
    std::array<std::string, 12> longMonthNames = {"January",   "February", "March",    "April",
                                                  "May",       "June",     "July",     "August",
                                                  "September", "October",  "November", "December"};
    std::array<std::string, 12> shortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    // Sunday first.
    std::array<std::string, 7> longDayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                               "Thursday", "Friday", "Saturday"};
    std::array<std::string, 7> shortDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

    // English names and separators, the same on every machine.
    static FormatSettings invariant() { return {}; }
};

}  // namespace rvx
