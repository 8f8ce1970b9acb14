#pragma once

#include <cstddef>
#include <filesystem>
#include <vector>

#include "common/user_port.h"
#include "rvxmod/calibration/cal_loading.h"
#include "rvxmod/download/rvx_writer.h"
#include "rvxmod/link/tool_link.h"
#include "rvxmod/memory/bad_block_map.h"
#include "rvxmod/model/tool_string.h"

namespace rvxmod {

// The blocks of one memory sector that a job's range covers.
struct SectorSpan {
    int chip = 0;
    int sector = 0;
    int firstBlock = 0;
    int lastBlock = 0;
};

// The sectors of the job's range over the present chips, in memory order.
std::vector<SectorSpan> jobSectors(const MemoryObj& memory, const jobObj& job);
// Blocks of the job's range, the last block of each chip not counted.
int jobBlockCount(const MemoryObj& memory, const jobObj& job);

// Everything the walk over one job's blocks uses; the references must outlive the walk.
struct JobWalkContext {
    link::ToolLink& link;
    MemoryObj& memory;
    const memory::BadBlockMap& badBlocks;
    const CalLoadSettings& calibration;
    CalFileSource& calFiles;
    const RvxFileContext& files;
};

enum class JobOutcome {
    Complete,     // every block of the range read and every sector written
    EndedEarly,   // a read failed or a returning tool had no calibration: data so far written
    WriteFailed,  // a data file could not be written: the download stops
};

// Reads the job's blocks one by one, decodes them and appends each sector to the job's data
// file(s) at `file`, advancing the progress by one per block of the range.
JobOutcome downloadJob(const JobWalkContext& context, std::size_t jobIndex,
                       const std::filesystem::path& file);

}  // namespace rvxmod
