#pragma once

#include <string>
#include <string_view>

#include "common/date_time.h"
#include "common/format_settings.h"

namespace rvx {

// Formats with the classic pattern letters: y yy yyyy, m mm mmm mmmm, d dd ddd dddd, ddddd (the
// short date format), h hh, n nn, s ss, z zzz, t (short time), tt (long time), c (short date and,
// unless midnight, long time), AM/PM, A/P and AMPM (12-hour clock for the preceding hours).
// "m"/"mm" right after an hour letter mean minutes. "/" and ":" become the settings' date and
// time separators; text in single or double quotes is copied as it stands. An empty pattern is "c".
// Letters naming a format inside such a named format write nothing (no endless nesting).
std::string formatDateTime(std::string_view pattern, DateTime value,
                           const FormatSettings& settings = FormatSettings::invariant());

}  // namespace rvx
