#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/date_time.h"

namespace rvxmod {

// The null value, -999.25, in the general float format. Data files always use "." as the
// decimal separator so that they read the same on every computer.
inline constexpr std::string_view kNullValueText = "-999.25";

// Fixed-point with the given number of decimals, "." as separator, no thousands separators.
void appendFixed(std::string& out, double value, int decimals);
void appendInteger(std::string& out, std::int64_t value);

// Pads text with fill up to width, on the left or the right; longer text is left as it is.
std::string PadC(std::string_view text, std::size_t width, bool onTheLeft, char fill);

// "yyyy/mm/dd hh:nn:ss", with ":zzz" milliseconds appended when asked.
std::string formatDateTime(rvx::DateTime dateTime, bool withMilliseconds);

}  // namespace rvxmod
