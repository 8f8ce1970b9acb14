#include "rvxmod/model/tool_string.h"

#include <cmath>

#include "rvxmod/model/memory_geometry.h"
#include "rvxmod/model/tool_types.h"

namespace rvxmod {

ToolObj makeJobTool(std::uint32_t type, std::int32_t serialNumber) {
    const ToolTypeInfo info = toolTypeInfo(type);
    ToolObj tool;
    tool.ToolType = type;
    tool.SerialNumber = serialNumber;
    tool.ToolName = toolTypeName(type);
    tool.ToolCode = toolTypeCode(type);
    tool.DataLength = info.jobSampleBytes > 0 ? info.jobSampleBytes - 1 : 0;
    tool.NeedsCal = info.needsCalInJob;
    return tool;
}

std::int32_t recordsPerBlock(std::int32_t recordSize) {
    if (recordSize <= 0) return 0;
    const double exact =
        static_cast<double>(geometry::kBlockSize - geometry::kHeaderLineSize) / recordSize;
    return static_cast<std::int32_t>(std::nearbyint(exact));  // default rounding: half to even
}

int getIndexInChain(std::uint32_t type, std::int32_t serialNumber, const TToolChain& chain) {
    for (std::size_t i = 0; i < chain.size(); ++i)
        if (chain[i].ToolType == type && chain[i].SerialNumber == serialNumber)
            return static_cast<int>(i);
    return -1;
}

bool isToolPresentInTC(const MemoryObj& memory, std::size_t jobIndex, std::uint32_t type,
                       std::int32_t serialNumber) {
    if (jobIndex >= memory.Jobs.size()) return false;
    return getIndexInChain(type, serialNumber, memory.Jobs[jobIndex].Tools) >= 0;
}

const StoredCalFile* findStoredCalFile(const MemoryObj& memory, std::uint32_t type,
                                       std::int32_t serialNumber) {
    for (const StoredCalFile& file : memory.StoredFiles)
        if (file.typeCode == static_cast<std::int32_t>(type) && file.serialNumber == serialNumber)
            return &file;
    return nullptr;
}

void resetMemoryTool(MemoryObj& memory) {
    memory.JobCount = 0;
    memory.Type = -1;
    memory.SerialNumber = -1;
    memory.ToolLength = -1;
    memory.Name.clear();
    memory.Chips.fill(ChipInfo{});
    memory.StoredFiles.clear();
    memory.Jobs.clear();
}

}  // namespace rvxmod
