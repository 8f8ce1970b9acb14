#include <algorithm>
#include <iostream>

#include "common/date_format.h"
#include "common/date_time.h"
#include "common/number_format.h"
#include "veltrix/cli/cli_commands.h"
#include "veltrix/readers/depth_file_reader.h"

namespace veltrix::cli {
namespace {

void printDepthFile(const DepthFileRead& file) {
    const DepthUnitTexts& units = file.header.units;
    std::cout << "kind: " << depthFileKindName(file.kind) << "\n"
              << "start: " << rvx::formatDateTime("yyyy/mm/dd hh:nn:ss.zzz", file.start) << "\n"
              << "units: time " << file.header.timeUnitToken << ", depth " << units.depth
              << ", speed " << units.speed << ", tension " << units.tension << "\n"
              << "points: " << file.pointCount() << "\n";
    const auto depths = file.columns.depth->values();
    if (depths.empty()) {
        std::cout << "depth range: none\n";
        return;
    }
    const auto [shallowest, deepest] = std::ranges::minmax(depths);
    std::cout << "depth range: " << rvx::formatGeneral(shallowest) << " to "
              << rvx::formatGeneral(deepest) << "\n";
}

}  // namespace

// info --depth FILE: reads the file as the program would and describes it.
int runInfoCommand(std::span<const std::string> args) {
    if (args.size() != 2 || args[0] != "--depth") return usageError("info takes --depth FILE");
    DepthReadContext context;
    context.now = rvx::nowDateTime();
    const rvx::Result<DepthFileRead> file = readDepthFile(args[1], context);
    if (!file) {
        std::cerr << "veltrix-cli: " << file.error().message << "\n";
        return kExitFailure;
    }
    if (file->stop) {
        std::cerr << "veltrix-cli: " << file->stop->message << "\n";
        return kExitFailure;
    }
    printDepthFile(*file);
    return kExitOk;
}

}  // namespace veltrix::cli
