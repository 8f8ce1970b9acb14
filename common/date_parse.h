#pragma once

#include <string_view>

#include "common/date_time.h"
#include "common/format_settings.h"
#include "common/result.h"

namespace rvx {

enum class DateOrder { YearMonthDay, MonthDayYear, DayMonthYear };

// The order of the first of the letters y, m and d in a short date format (month first if none).
DateOrder dateOrderOf(std::string_view shortDateFormat);

// Reads three numbers joined by the settings' date separator, in the order of its short date
// format. One- or two-digit years fall in the settings' century window around the current year.
Result<DateTime> parseDate(std::string_view text, const FormatSettings& settings);

// Reads "h:n", "h:n:s" or "h:n:s.z" with the settings' time separator; the milliseconds may
// follow the decimal separator or another time separator. A trailing AM or PM (or the settings'
// own markers) selects the 12-hour clock, which also allows the hour alone ("3 PM").
Result<DateTime> parseTime(std::string_view text, const FormatSettings& settings);

// A date, optionally followed by blanks and a time; or a time alone (on day 0).
Result<DateTime> parseDateTime(std::string_view text, const FormatSettings& settings);

}  // namespace rvx
