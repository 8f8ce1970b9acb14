#pragma once

#include <string>

#include "rvxmod/model/tool_string.h"

namespace rvxmod {

// The serial number padded on the left with "0" to five digits ("00012").
std::string paddedSerial(std::int32_t serialNumber);

// A tool as a calibration file's identity line names it: tool code and padded serial ("RR00012").
std::string calIdentity(const ToolObj& tool);

}  // namespace rvxmod
