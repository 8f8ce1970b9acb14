#include "rvxmod/memory/job_tool_chain.h"

#include <algorithm>

#include "common/text_catalogue.h"
#include "rvxmod/memory/block_header.h"
#include "rvxmod/memory/memory_map.h"
#include "rvxmod/memory/memory_reads.h"
#include "rvxmod/model/memory_geometry.h"

namespace rvxmod::memory {

namespace {

constexpr int kLinesCheckedForData = 8;

std::string text(const char* english) {
    return rvx::trText("JobDirectory", english);
}

void showReadError(rvx::UserPort& user) {
    user.showError(text("Error reading tool memory"));
}

std::int32_t recordSizeOf(const TToolChain& tools, const std::vector<int>& indices) {
    std::int32_t size = 0;
    for (const int index : indices) size += tools[static_cast<std::size_t>(index)].DataLength + 1;
    return size == 0 ? 0 : size + geometry::kRecordTrailerBytes;
}

// A line that cannot be read counts as erased.
bool holdsData(link::ToolLink& link, int chip, int sector, int block) {
    for (int line = 0; line < kLinesCheckedForData; ++line) {
        const auto bytes = readLineTwice(link, {chip, sector, block, line});
        if (bytes && std::any_of(bytes->begin(), bytes->end(),
                                 [](std::uint8_t b) { return b != kErasedByte; })) {
            return true;
        }
    }
    return false;
}

void warnMissingHeader(rvx::UserPort& user, int chip, int sector, std::size_t jobIndex, int block) {
    user.showWarning(text("Missing header information for job ") + std::to_string(jobIndex + 1) +
                     ". " + text("There may be corrupt data on this tool at Chip:") +
                     std::to_string(chip) + text(" Sector: ") + std::to_string(sector) +
                     text(" Block:") + std::to_string(block) + text(", call for support"));
}

}  // namespace

bool getJobToolChain(link::ToolLink& link, MemoryObj& memory, rvx::UserPort& user, int chip,
                     int sector, std::size_t jobIndex, int block) {
    jobObj& job = memory.Jobs[jobIndex];
    job.RecordSize = 0;
    job.RecordsPerBlock = 0;
    const auto header = readLineTwice(link, {chip, sector, block, 0});
    if (header) {
        for (const HeaderTool& listed : headerTools(*header)) {
            if (isToolPresentInTC(memory, jobIndex, listed.type, listed.serialNumber)) continue;
            ToolObj tool = makeJobTool(listed.type, listed.serialNumber);
            tool.InJob = true;
            job.Tools.push_back(std::move(tool));
        }
    } else {
        showReadError(user);
    }
    if (!job.Tools.empty()) {
        std::vector<int> every(job.Tools.size());
        for (std::size_t i = 0; i < every.size(); ++i) every[i] = static_cast<int>(i);
        job.RecordSize = recordSizeOf(job.Tools, every);
        job.RecordsPerBlock = recordsPerBlock(job.RecordSize);
        return true;
    }
    if (holdsData(link, chip, sector, block)) {
        warnMissingHeader(user, chip, sector, jobIndex, block);
        job.Corrupt = true;
    }
    return false;
}

bool upDateJobToolChain(link::ToolLink& link, MemoryObj& memory, rvx::UserPort& user, int chip,
                        int sector, std::size_t jobIndex, int block, JobBlock& out,
                        const ToolRejoined& rejoined) {
    out.headerOrder.clear();
    auto data = readBlockTwice(link, {chip, sector, block, 0});
    if (!data) {
        showReadError(user);
        return false;
    }
    const std::vector<HeaderTool> listed = headerTools(*data);
    jobObj& job = memory.Jobs[jobIndex];
    job.RecordSize = 0;
    job.RecordsPerBlock = 0;
    for (ToolObj& tool : job.Tools) tool.InJob = false;

    for (const HeaderTool& entry : listed) {
        if (getIndexInChain(entry.type, entry.serialNumber, job.Tools) < 0) {
            // Back mid-job: the header's new tools all join the job's tool string at once, and
            // each of them starts afresh.
            const auto known = static_cast<int>(job.Tools.size());
            if (!getJobToolChain(link, memory, user, chip, sector, jobIndex, block)) return false;
            for (int joined = known; joined < static_cast<int>(job.Tools.size()); ++joined) {
                if (rejoined && !rejoined(joined)) {
                    user.showError(text(
                        "The selected dat file is invalid, or you did not select one. Aborting "
                        "download. Data has been saved to this point. Either restart the download "
                        "and select a valid cal file, or restart download using RAW counts "
                        "only."));
                    return false;
                }
            }
        }
        const int index = getIndexInChain(entry.type, entry.serialNumber, job.Tools);
        if (std::find(out.headerOrder.begin(), out.headerOrder.end(), index) !=
            out.headerOrder.end()) {
            continue;
        }
        job.Tools[static_cast<std::size_t>(index)].InJob = true;
        out.headerOrder.push_back(index);
    }
    job.RecordSize = recordSizeOf(job.Tools, out.headerOrder);
    job.RecordsPerBlock = recordsPerBlock(job.RecordSize);
    out.bytes = std::move(*data);
    return true;
}

}  // namespace rvxmod::memory
