#pragma once

#include <string>
#include <string_view>

#include "common/date_time.h"
#include "common/result.h"
#include "veltrix/data/job.h"

namespace veltrix {

// Dates in depth and gauge files are written with "-", "/" or "."; each becomes the locale date
// separator and the text is trimmed before parsing.
std::string normaliseDateText(std::string_view text, char dateSeparator);

// Parses a normalised date with an optional time of day. The error names the text.
rvx::Result<rvx::DateTime> parseDateTimeText(std::string_view text, DateOrder order,
                                             char dateSeparator);

}  // namespace veltrix
