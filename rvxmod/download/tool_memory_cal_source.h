#pragma once

#include "common/user_port.h"
#include "rvxmod/calibration/cal_file_source.h"
#include "rvxmod/link/tool_link.h"
#include "rvxmod/model/tool_string.h"

namespace rvxmod {

// The calibration files kept in the connected memory module, as its stored-file table lists them.
class ToolMemoryCalSource final : public CalFileSource {
public:
    // All three must outlive the source.
    ToolMemoryCalSource(link::ToolLink& link, const MemoryObj& memory, rvx::UserPort& user)
        : link_(link), memory_(memory), user_(user) {}

    int calBlockOf(std::uint32_t toolType, std::int32_t serialNumber) const override;
    rvx::Status MakeCalFile(int block, const std::filesystem::path& file) override;

private:
    link::ToolLink& link_;
    const MemoryObj& memory_;
    rvx::UserPort& user_;
};

}  // namespace rvxmod
