#pragma once

#include <filesystem>
#include <string_view>

#include "common/user_port.h"

namespace veltrix {

// Depth files come in five layouts, told apart by the extension alone.
enum class DepthFileKind {
    QzDepth,        // ".dep": time, depth
    Tracker,        // ".rec": time, tension, depth, speed
    SurfaceExport,  // ".dxt": time, depth, speed
    LineWise,       // ".txt": time, depth, speed, tension separated by tabs
    Other           // anything else: time, depth
};

// The extension is compared exactly, so "DEP" is read as another kind.
DepthFileKind depthFileKindOf(const std::filesystem::path& path);

// A short name of the kind for listings.
std::string_view depthFileKindName(DepthFileKind kind);

// Title and filters of the depth file open dialog.
rvx::FileChoice depthFileChoice();

}  // namespace veltrix
