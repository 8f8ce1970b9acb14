#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "common/date_time.h"
#include "common/result.h"
#include "veltrix/data/job.h"
#include "veltrix/data/job_data_sets.h"
#include "veltrix/readers/depth_file_kind.h"
#include "veltrix/readers/depth_header.h"
#include "veltrix/readers/read_stop.h"

namespace veltrix {

// What reading a depth file needs from the job and the machine.
struct DepthReadContext {
    // The job's date order, used for kinds without a fixed one.
    DateOrder dateOrder = DateOrder::YearMonthDay;
    char dateSeparator = '/';
    char decimalSeparator = '.';
    // The job's units, kept where a kind does not give its own.
    DepthUnitTexts currentUnits{" ft", "ft/min", "lb/ft"};
    // The start of a LineWise file, which has none: the moment of loading.
    rvx::DateTime now = 0;
};

struct DepthFileRead {
    DepthFileKind kind = DepthFileKind::Other;
    DepthHeader header;
    rvx::DateTime start = 0;
    // One value per data line read; `tension` is empty unless the kind carries it.
    DepthColumns columns;
    // Set when the file could not be read to its end; the columns keep the lines before.
    std::optional<ReadStop> stop;

    std::size_t pointCount() const { return columns.depth->size(); }
};

// The date order a kind's dates are written in: fixed for ".dep", ".rec" and ".dxt".
DateOrder dateOrderOf(DepthFileKind kind, DateOrder jobOrder);

// Reads a whole depth file held in memory.
DepthFileRead readDepthText(std::string_view text, DepthFileKind kind,
                            const DepthReadContext& context);

// Reads a depth file of the kind its extension names; fails only when it cannot be opened.
rvx::Result<DepthFileRead> readDepthFile(const std::filesystem::path& path,
                                         const DepthReadContext& context);

}  // namespace veltrix
