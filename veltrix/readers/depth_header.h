#pragma once

#include <string>
#include <string_view>

#include "veltrix/readers/depth_file_kind.h"
#include "veltrix/readers/line_cursor.h"

namespace veltrix {

struct DepthUnitTexts {
    std::string depth;
    std::string speed;
    std::string tension;
};

// What the header lines of a depth file say.
struct DepthHeader {
    // The raw start date-time text; empty for LineWise files, which carry none.
    std::string startText;
    // Tracker files only.
    std::string trackerSerial;
    // As written, parentheses kept: it also titles the time axis.
    std::string timeUnitToken;
    // The units after reading: those of the units line, or the current ones where the kind
    // does not give them.
    DepthUnitTexts units;
};

// Reads the header lines of the kind, leaving the cursor before the first data line.
DepthHeader readDepthHeader(LineCursor& lines, DepthFileKind kind, const DepthUnitTexts& current);

}  // namespace veltrix
