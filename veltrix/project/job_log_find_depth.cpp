#include "veltrix/project/job_log_find_depth.h"

#include <algorithm>

#include "common/number_format.h"

#include "veltrix/data/nearest_point.h"

namespace veltrix {
namespace {

// The value of the first point not earlier than `time`, or of the last point when none is.
double valueAtOrAfter(const DataSet& set, rvx::DateTime time) {
    const std::size_t index = std::min(firstAtOrAfter(set.xs(), time, false), set.size() - 1);
    return set.y(index);
}

void writeValueAt(JobLog& log, int row, int column, const DataSet& set, rvx::DateTime time,
                  char decimalSeparator) {
    if (set.empty()) return;
    log.setCell(row, column, rvx::formatFixed(valueAtOrAfter(set, time), 2, decimalSeparator));
}

}  // namespace

FindDepthOutcome findDepth(JobLog& log, int row, rvx::DateTime time, const Job& job) {
    const DataSet& depth = job.data.Depth;
    if (depth.empty()) return FindDepthOutcome::NothingToWrite;
    if (time > depth.x(depth.size() - 1)) return FindDepthOutcome::AfterDepthData;
    if (!job.flags.merged) return FindDepthOutcome::NothingToWrite;
    const char separator = job.locale.decimalSeparator;
    writeValueAt(log, row, JobLog::DepthColumn, depth, time, separator);
    writeValueAt(log, row, JobLog::PressureColumn, job.data.Pressure, time, separator);
    writeValueAt(log, row, JobLog::TemperatureColumn, job.data.Temperature, time, separator);
    return FindDepthOutcome::Written;
}

}  // namespace veltrix
