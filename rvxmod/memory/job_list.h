#pragma once

#include <array>
#include <string>
#include <vector>

#include "common/user_port.h"
#include "rvxmod/link/tool_link.h"
#include "rvxmod/memory/memory_buffers.h"
#include "rvxmod/model/tool_string.h"

namespace rvxmod::memory {

// One row of the Tool Info job grid: job number and approximate number of samples.
struct JobGridRow {
    std::string number;
    std::string samples;
};

struct JobGrid {
    std::vector<JobGridRow> rows;  // "None" in the first cell when there is no job
    int rowCount = 6;
};

// The job grid for memory.Jobs; every corrupt job is reported with
// "Job " + n + " is corrupt. Cannot display job.".
JobGrid jobGridOf(const MemoryObj& memory, rvx::UserPort& user);

// The memory module's part of refreshing the Tool Info grids after discovery: memory size, the
// bad-block table and, unless Quick Connect is on, the job scan with the memory usage.
bool updateMemoryInfo(link::ToolLink& link, ConnectedToolString& toolString, MemoryBuffers& buffers,
                      rvx::UserPort& user);

// "Erase All Jobs": after the question, erases every block group of every present chip except
// the reserved group of chip 0, sector 0, then rescans.
bool eraseAllJobs(link::ToolLink& link, ConnectedToolString& toolString, MemoryBuffers& buffers,
                  rvx::UserPort& user);

// Ticking "Quick Connect" warns what it turns off.
void quickConnectTicked(rvx::UserPort& user);
// Memory reads and downloads need a memory module and Quick Connect off; false after the warning.
bool memoryReadable(const ConnectedToolString& toolString, rvx::UserPort& user);

// The Job Info form's 3 x 4 grid: "Job " + n, then chip, sector and block at start and end.
std::array<std::array<std::string, 3>, 4> jobInfoCells(const jobObj& job, std::size_t jobIndex);

}  // namespace rvxmod::memory
