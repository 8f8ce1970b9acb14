#include "veltrix/readers/depth_file_kind.h"

#include "common/text_catalogue.h"

namespace veltrix {

DepthFileKind depthFileKindOf(const std::filesystem::path& path) {
    const std::string extension = path.extension().string();
    if (extension == ".dep") return DepthFileKind::QzDepth;
    if (extension == ".rec") return DepthFileKind::Tracker;
    if (extension == ".dxt") return DepthFileKind::SurfaceExport;
    if (extension == ".txt") return DepthFileKind::LineWise;
    return DepthFileKind::Other;
}

std::string_view depthFileKindName(DepthFileKind kind) {
    switch (kind) {
        case DepthFileKind::QzDepth:
            return "QZ depth file";
        case DepthFileKind::Tracker:
            return "tracker file";
        case DepthFileKind::SurfaceExport:
            return "surface depth export";
        case DepthFileKind::LineWise:
            return "LineWise file";
        case DepthFileKind::Other:
            return "other depth file";
    }
    return {};
}

rvx::FileChoice depthFileChoice() {
    const char* const context = "DepthFile";
    return {.title = rvx::trText(context, "Open a Depth File"),
            .initialPath = {},
            .filters = {rvx::trText(context, "QZ Depth files (*.dep)"),
                        rvx::trText(context, "Tracker files(*.rec)"),
                        rvx::trText(context, "Sondex File (*.dxt)"),
                        rvx::trText(context, "LineWise (*.txt)"),
                        rvx::trText(context, "any files (*.*)")}};
}

}  // namespace veltrix
