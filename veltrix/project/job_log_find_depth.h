#pragma once

#include "common/date_time.h"
#include "veltrix/data/job.h"
#include "veltrix/project/job_log.h"

namespace veltrix {

enum class FindDepthOutcome {
    Written,         // depth, pressure and temperature filled in
    AfterDepthData,  // the time lies after the last depth point: nothing written
    NothingToWrite,  // no merge yet, or no depth data
};

// "Find Depth" for a job log row: after a merge, writes into the row the depth of the first depth
// point not earlier than `time`, and the pressure and temperature of the first such gauge points
// (the last point where none is that late), each with 2 decimals.
FindDepthOutcome findDepth(JobLog& log, int row, rvx::DateTime time, const Job& job);

}  // namespace veltrix
