#pragma once

#include <cstdint>
#include <string>

namespace rvxmod {

// Type codes a tool reports on the line.
enum ToolTypeCode : std::uint32_t {
    kZizorIrediz = 1,
    kCCL = 2,
    kMemory = 3,
    kRTD = 4,
    kPiezo = 5,
    kRarodIdirura = 6,
    kSpinner = 7,
    kBatteryCountedTool = 10,  // counted by the battery calculator, has no name
    kTypeNotYetKnown = 99,     // placeholder while a tool string is being built
};

// Fixed columns of the tool type table; names and codes are looked up in the interface language.
struct ToolTypeInfo {
    bool known = false;
    bool needsCalConnected = false;
    bool needsCalInJob = false;
    int jobSampleBytes = 0;  // raw bytes of one sample in a recorded job (DataLength + 1)
};

ToolTypeInfo toolTypeInfo(std::uint32_t type);

// "ZizorIrediz", "CCL", ..., "Unrecognized" for any other code, in the interface language.
std::string toolTypeName(std::uint32_t type);

// Two-letter tool code ("RC", "RP", ...); empty for ZizorIrediz and unknown types.
std::string toolTypeCode(std::uint32_t type);

}  // namespace rvxmod
