#include "rvxmod/download/tool_memory_cal_source.h"

#include "rvxmod/memory/cal_slots.h"

namespace rvxmod {

int ToolMemoryCalSource::calBlockOf(std::uint32_t toolType, std::int32_t serialNumber) const {
    return memory::getToolsCalBlock(memory_, static_cast<std::int32_t>(toolType), serialNumber);
}

rvx::Status ToolMemoryCalSource::MakeCalFile(int block, const std::filesystem::path& file) {
    if (!memory::MakeCalFile(link_, user_, block, file)) return rvx::fail(file.string());
    return rvx::ok();
}

}  // namespace rvxmod
