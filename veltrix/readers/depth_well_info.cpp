#include "veltrix/readers/depth_well_info.h"

#include <algorithm>

#include "common/date_format.h"
#include "common/number_format.h"
#include "common/text_catalogue.h"

namespace veltrix {
namespace {

constexpr const char* kContext = "DepthFile";

bool fileWasOpened(LoadOutcome outcome) {
    return outcome == LoadOutcome::StartDate || outcome == LoadOutcome::Stopped ||
           outcome == LoadOutcome::Loaded;
}

}  // namespace

WellInfoChanges depthWellInfoChanges(const DepthLoad& load, const Job& job) {
    WellInfoChanges changes;
    const bool addRows = !job.flags.projectLoading;
    if (addRows && fileWasOpened(load.outcome)) {
        changes.appended.push_back({rvx::trText(kContext, "Depth File"), job.files.depth});
    }
    if (load.outcome != LoadOutcome::Loaded) return changes;
    const DepthFileRead& read = load.read;
    if (addRows && read.kind != DepthFileKind::LineWise) {
        changes.appended.push_back({rvx::trText(kContext, "Depth Start Time"),
                                    rvx::formatDateTime("", read.start, job.locale)});
        changes.refreshTestDate = true;
    }
    const auto depths = read.columns.depth->values();
    if (!depths.empty()) {
        changes.updated.push_back(
            {"GAUGE DEPTH (MD)",
             rvx::formatFixed(std::ranges::max(depths), 2, job.locale.decimalSeparator,
                              job.locale.thousandSeparator)});
    }
    if (read.kind == DepthFileKind::Tracker) {
        changes.updated.push_back({"TRACKER S/N", read.header.trackerSerial});
    }
    return changes;
}

}  // namespace veltrix
