#pragma once

#include <optional>

#include "common/date_time.h"
#include "veltrix/data/job.h"
#include "veltrix/data/job_data_sets.h"
#include "veltrix/readers/depth_file_kind.h"
#include "veltrix/readers/line_cursor.h"
#include "veltrix/readers/read_stop.h"
#include "veltrix/readers/time_unit.h"

namespace veltrix {

// How the times of data lines become date-times.
struct TimeBase {
    TimeUnit unit = TimeUnit::None;
    rvx::DateTime start = 0;
    // For calendar times.
    DateOrder dateOrder = DateOrder::YearMonthDay;
    char dateSeparator = '/';
};

// Reads the data lines left in the cursor into columns, in file order, skipping empty lines.
// Kinds without a speed column get a derived speed. Stops at the first time or value that cannot
// be read, keeping the points before it. expectedLines reserves the columns once.
std::optional<ReadStop> readDepthDataLines(LineCursor& lines, std::size_t expectedLines,
                                           DepthFileKind kind, const TimeBase& time,
                                           char decimalSeparator, DepthColumns& columns);

}  // namespace veltrix
