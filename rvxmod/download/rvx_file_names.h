#pragma once

#include <string>

#include "rvxmod/model/tool_string.h"

namespace rvxmod {

// Memory module code + serial padded to five digits ("RL00042"); empty when no module is known.
std::string memoryIdentity(const MemoryObj& memory);

// The file name proposed for job number jobNumber (from 1): "RVX-" + memory identity + "_Job" +
// number + ".rvx", with "_RawCounts" before the extension for a raw-counts-only download.
std::string proposedRvxFileName(const MemoryObj& memory, int jobNumber, bool rawCountsOnly);

// The raw-counts file that goes with a real-values file in a download of both kinds: the
// extension (from the last "." of the file name on) is replaced by "_RawCounts.rvx".
std::string rawCountsFileName(const std::string& realValuesPath);

}  // namespace rvxmod
