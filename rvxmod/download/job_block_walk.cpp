#include "rvxmod/download/job_block_walk.h"

#include "rvxmod/download/job_download.h"
#include "rvxmod/memory/job_tool_chain.h"
#include "rvxmod/memory/memory_map.h"
#include "rvxmod/model/memory_geometry.h"

namespace rvxmod {
namespace {

bool isLastBlockOfChip(const ChipInfo& chip, int sector, int block) {
    return sector == chip.sectors - 1 && block == chip.blocksPerSector - 1;
}

// Bad and reserved blocks hold no job data; the last block of a chip is left out of the count too.
bool isSkipped(const JobWalkContext& context, int chip, int sector, int block) {
    return context.badBlocks.isBad(chip, sector, block) ||
           memory::isReservedBlock(chip, sector, block);
}

}  // namespace

std::vector<SectorSpan> jobSectors(const MemoryObj& memory, const jobObj& job) {
    std::vector<SectorSpan> spans;
    for (int chip = job.StartChip; chip <= job.EndChip && chip < geometry::kMaxChips; ++chip) {
        const ChipInfo& info = memory.Chips[static_cast<std::size_t>(chip)];
        if (info.sectors <= 0) continue;
        const int firstSector = chip == job.StartChip ? job.StartSector : 0;
        const int lastSector = chip == job.EndChip ? job.EndSector : info.sectors - 1;
        for (int sector = firstSector; sector <= lastSector; ++sector) {
            const bool first = chip == job.StartChip && sector == job.StartSector;
            const bool last = chip == job.EndChip && sector == job.EndSector;
            spans.push_back({chip, sector, first ? job.StartBlock : 0,
                             last ? job.EndBlock : info.blocksPerSector - 1});
        }
    }
    return spans;
}

int jobBlockCount(const MemoryObj& memory, const jobObj& job) {
    int count = 0;
    for (const SectorSpan& span : jobSectors(memory, job)) {
        const ChipInfo& info = memory.Chips[static_cast<std::size_t>(span.chip)];
        count += span.lastBlock - span.firstBlock + 1;
        if (isLastBlockOfChip(info, span.sector, span.lastBlock)) --count;
    }
    return count;
}

JobOutcome downloadJob(const JobWalkContext& context, std::size_t jobIndex,
                       const std::filesystem::path& file) {
    jobObj& job = context.memory.Jobs[jobIndex];
    rvx::UserPort& user = context.files.user;
    JobDownload download(file, job, context.files);
    const auto rejoined = [&](int index) {
        const auto tool = static_cast<std::size_t>(index);
        download.toolJoined(tool);
        // A job that fell back to raw counts needs no calibration for a returning tool.
        if (job.DownloadMode == 0 || !job.Tools[tool].NeedsCal) return true;
        return LoadSingleToolCal(tool, job.Tools, context.calibration, context.calFiles, user);
    };
    const int total = jobBlockCount(context.memory, job);
    int step = 0;
    bool lastBlockReached = false;
    memory::JobBlock data;
    for (const SectorSpan& span : jobSectors(context.memory, job)) {
        download.startSector();
        const ChipInfo& chip = context.memory.Chips[static_cast<std::size_t>(span.chip)];
        for (int block = span.firstBlock; block <= span.lastBlock; ++block) {
            if (isLastBlockOfChip(chip, span.sector, block)) continue;
            user.setProgress(++step, total);
            if (isSkipped(context, span.chip, span.sector, block)) continue;
            if (!memory::upDateJobToolChain(context.link, context.memory, user, span.chip,
                                            span.sector, jobIndex, block, data, rejoined)) {
                return download.finishSector(lastBlockReached) ? JobOutcome::EndedEarly
                                                               : JobOutcome::WriteFailed;
            }
            // Only a final block actually read makes the sector's last sample the job's last.
            if (span.chip == job.EndChip && span.sector == job.EndSector && block == job.EndBlock)
                lastBlockReached = true;
            download.decodeBlock(data.bytes, data.headerOrder);
        }
        if (!download.finishSector(lastBlockReached)) return JobOutcome::WriteFailed;
    }
    return JobOutcome::Complete;
}

}  // namespace rvxmod
