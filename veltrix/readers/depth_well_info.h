#pragma once

#include <string>
#include <vector>

#include "veltrix/data/job.h"
#include "veltrix/readers/depth_file_load.h"

namespace veltrix {

struct WellInfoRow {
    std::string label;
    std::string value;
};

// What a depth load writes into the well information grid.
struct WellInfoChanges {
    // Rows to append, in order.
    std::vector<WellInfoRow> appended;
    // Values for existing rows found by their label in upper case; a grid without such a row is
    // left as it is.
    std::vector<WellInfoRow> updated;
    // Whether the grid's test date follows the new start.
    bool refreshTestDate = false;
};

// The rows of a load: "Depth File" once the file was opened, "Depth Start Time" after a whole
// file with a start (not while a project is being opened), and the gauge depth and tracker serial
// of a whole file. Texts use the job's locale.
WellInfoChanges depthWellInfoChanges(const DepthLoad& load, const Job& job);

}  // namespace veltrix
