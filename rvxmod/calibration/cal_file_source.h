#pragma once

#include <cstdint>
#include <filesystem>

#include "common/result.h"

namespace rvxmod {

// The calibration files kept in the memory module, as the loader needs them.
class CalFileSource {
public:
    virtual ~CalFileSource() = default;

    // Cal block of the file kept for this tool; -1 when the tool has none.
    virtual int calBlockOf(std::uint32_t toolType, std::int32_t serialNumber) const = 0;
    // Writes the file kept in the block to the named file.
    virtual rvx::Status MakeCalFile(int block, const std::filesystem::path& file) = 0;
};

}  // namespace rvxmod
