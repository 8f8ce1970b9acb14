#include "veltrix/readers/depth_file_load.h"

#include "veltrix/data/load_steps.h"

namespace veltrix {
namespace {

DepthReadContext readContextOf(const Job& job) {
    return {.dateOrder = job.dateOrder,
            .dateSeparator = job.locale.dateSeparator,
            .decimalSeparator = job.locale.decimalSeparator,
            .currentUnits = {job.units.depth, job.units.speed, job.units.tension},
            .now = rvx::nowDateTime()};
}

// The header is read whatever happens next: units, serial and date order follow it.
void takeHeader(Job& job, const DepthFileRead& read) {
    if (read.kind == DepthFileKind::Other) return;
    // After a file of a known kind the job parses dates year first again.
    job.dateOrder = DateOrder::YearMonthDay;
    if (read.kind == DepthFileKind::LineWise) return;  // its units only title the axes
    job.units.depth = read.header.units.depth;
    job.units.speed = read.header.units.speed;
    job.units.tension = read.header.units.tension;
    if (read.kind == DepthFileKind::Tracker) job.trackerSerial = read.header.trackerSerial;
}

void finishLoad(Job& job, const DepthFileRead& read) {
    job.starts.depthFile = read.start;
    job.starts.depthCurrent = read.start;
    job.counts.depth = read.pointCount();
    job.counts.raiseLargest(job.counts.depth);
    markDataLoaded(job);
}

}  // namespace

DepthLoad loadDepthFile(Job& job, rvx::UserPort& port, const std::filesystem::path& path) {
    if (!admitLoad(job, DataKind::Depth, port)) return {};
    const bool fromProject = job.flags.projectLoading && !job.files.depth.empty();
    if (!fromProject && !requireExistingFile(path, port)) {
        return {.outcome = LoadOutcome::NotFound, .read = {}};
    }
    const BusyState busy(port);
    rvx::Result<DepthFileRead> read = readDepthFile(path, readContextOf(job));
    if (!read) {
        port.showError(read.error().message);
        return {.outcome = LoadOutcome::NotFound, .read = {}};
    }
    job.files.depth = path.string();
    job.dataFolder = path.parent_path().string();
    DepthLoad load{.outcome = LoadOutcome::Loaded, .read = std::move(read).value()};
    takeHeader(job, load.read);
    if (load.read.stop && load.read.stop->cause == StopCause::StartDate) {
        port.showWarning(load.read.stop->message);
        load.outcome = LoadOutcome::StartDate;
        return load;
    }
    showDepthColumns(job.data, load.read.columns);
    if (load.read.stop) {
        port.showWarning(load.read.stop->message);
        load.outcome = LoadOutcome::Stopped;
        return load;
    }
    finishLoad(job, load.read);
    return load;
}

DepthLoad openDepthFile(Job& job, rvx::UserPort& port) {
    if (!admitLoad(job, DataKind::Depth, port)) return {};
    const std::optional<std::filesystem::path> path =
        chooseInputFile(job, job.files.depth, depthFileChoice(), port);
    if (!path) return {.outcome = LoadOutcome::Cancelled, .read = {}};
    return loadDepthFile(job, port, *path);
}

}  // namespace veltrix
