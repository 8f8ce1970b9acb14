#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/date_time.h"

namespace rvxmod {

// The null value, -999.25, in the general float format. Data files always use "." as the
// decimal separator so that they read the same on every computer.
inline constexpr std::string_view kNullValueText = "-999.25";

// Appends what rvx::formatFixed(value, decimals) gives ("." separator, no grouping, halves away
// from zero on 18 significant digits, no sign on a value that rounds to zero) without building
// temporary strings: data lines are written by the million.
void appendFixed(std::string& out, double value, int decimals);
void appendInteger(std::string& out, std::int64_t value);

// A serial number padded with "0" to five digits, as tool and memory identities show it.
std::string fiveDigitSerial(std::int32_t serialNumber);

// The job start's date and time pattern.
inline constexpr std::string_view kStartPattern = "yyyy/mm/dd hh:nn:ss";

// Appends what rvx::formatDateTime("yyyy/mm/dd hh:nn:ss:zzz", value) gives with the invariant
// separators, without reading the pattern again for every sample of the real-time column.
void appendRealTime(std::string& out, rvx::DateTime value);

}  // namespace rvxmod
