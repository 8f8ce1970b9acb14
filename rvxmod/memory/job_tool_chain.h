#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "common/user_port.h"
#include "rvxmod/link/tool_link.h"
#include "rvxmod/model/tool_string.h"

namespace rvxmod::memory {

// Builds job jobIndex's tool string from the header of the block at chip, sector, block: every
// listed tool not yet in it is appended once. Sets RecordSize and RecordsPerBlock from the whole
// tool string. A job without tools is checked for data in lines 0..7; data there makes it
// Corrupt, with a warning. False when the job has no tools.
bool getJobToolChain(link::ToolLink& link, MemoryObj& memory, rvx::UserPort& user, int chip,
                     int sector, std::size_t jobIndex, int block);

// A tool that is back in a block header mid-job: the download resets its sample array and, when
// real values are wanted, attaches its calibration. False: the calibration could not be attached.
using ToolRejoined = std::function<bool(int toolIndex)>;

// A job's block as the download decodes it.
struct JobBlock {
    std::vector<std::uint8_t> bytes;  // the whole block
    std::vector<int> headerOrder;     // job tool indices of the listed tools, in header order
};

// Reads the block and brings the job's tool string up to date with its header: the listed tools
// are InJob, the others not; RecordSize is 3 + the sum of (DataLength + 1) over the listed tools,
// each counted once, so it always matches the block's records.
bool upDateJobToolChain(link::ToolLink& link, MemoryObj& memory, rvx::UserPort& user, int chip,
                        int sector, std::size_t jobIndex, int block, JobBlock& out,
                        const ToolRejoined& rejoined = {});

}  // namespace rvxmod::memory
