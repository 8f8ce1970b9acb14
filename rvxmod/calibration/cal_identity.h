#pragma once

#include <string>

#include "rvxmod/model/tool_string.h"

namespace rvxmod {

// A tool as a calibration file's identity line names it: the tool code and the serial number
// padded on the left with "0" to five digits ("RR00012").
std::string calIdentity(const ToolObj& tool);

}  // namespace rvxmod
