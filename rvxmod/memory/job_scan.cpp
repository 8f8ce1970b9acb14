#include "rvxmod/memory/job_scan.h"

#include "rvxmod/memory/block_header.h"
#include "rvxmod/memory/job_tool_chain.h"
#include "rvxmod/memory/memory_map.h"
#include "rvxmod/memory/memory_reads.h"
#include "rvxmod/memory/memory_size.h"
#include "rvxmod/memory/memory_usage.h"
#include "rvxmod/model/memory_geometry.h"

namespace rvxmod::memory {

namespace {

struct BlockPosition {
    int chip = 0;
    int sector = 0;
    int block = 0;
};

void setStart(jobObj& job, const BlockPosition& at) {
    job.StartChip = at.chip;
    job.StartSector = at.sector;
    job.StartBlock = at.block;
}

void setEnd(jobObj& job, const BlockPosition& at) {
    job.EndChip = at.chip;
    job.EndSector = at.sector;
    job.EndBlock = at.block;
}

// The scan's state between blocks.
class Scan {
public:
    Scan(link::ToolLink& link, MemoryObj& memory, rvx::UserPort& user)
        : link_(link), memory_(memory), user_(user) {}

    void skip(const BlockPosition& at) {
        if (linearBlockNumber(at.chip, at.sector, at.block) >= kFirstJobBlock) ++counter_;
        previous_ = at;
    }

    void startJob(const BlockPosition& at) {
        closeJob(previous_);
        memory_.Jobs.emplace_back();
        jobObj& job = memory_.Jobs.back();
        setStart(job, at);
        setEnd(job, at);
        open_ = true;
        counter_ = 1;
        getJobToolChain(link_, memory_, user_, at.chip, at.sector, memory_.Jobs.size() - 1,
                        at.block);
        previous_ = at;
    }

    void continueJob(const BlockPosition& at) {
        if (!open_) {
            // Data before any job start: its header is missing.
            memory_.Jobs.emplace_back();
            setStart(memory_.Jobs.back(), at);
            memory_.Jobs.back().Corrupt = true;
            open_ = true;
        }
        ++counter_;
        setEnd(memory_.Jobs.back(), at);
        previous_ = at;
    }

    // The block visited before the end mark is the open job's last.
    void endAtErased() { closeJob(previous_); }
    // The memory ran out while a job was open: its blocks up to here are its count.
    void endAtMemoryEnd() {
        if (open_) memory_.Jobs.back().BlockCount = counter_;
        open_ = false;
    }

    void finish() { memory_.JobCount = static_cast<std::int32_t>(memory_.Jobs.size()); }

private:
    void closeJob(const BlockPosition& last) {
        if (!open_) return;
        memory_.Jobs.back().BlockCount = counter_;
        setEnd(memory_.Jobs.back(), last);
        open_ = false;
    }

    link::ToolLink& link_;
    MemoryObj& memory_;
    rvx::UserPort& user_;
    bool open_ = false;
    int counter_ = 0;
    BlockPosition previous_;
};

bool isLastBlockOfChip(const ChipInfo& chip, int sector, int block) {
    return sector == chip.sectors - 1 && block == chip.blocksPerSector - 1;
}

}  // namespace

std::optional<int> queryMemModule_Jobs(link::ToolLink& link, MemoryObj& memory,
                                       const BadBlockMap& badBlocks, rvx::UserPort& user) {
    memory.Jobs.clear();
    memory.JobCount = 0;
    Scan scan(link, memory, user);
    for (int chip = 0; chip < geometry::kMaxChips; ++chip) {
        const ChipInfo& info = memory.Chips[static_cast<std::size_t>(chip)];
        if (!isChipPresent(info)) continue;
        for (int sector = 0; sector < info.sectors; ++sector) {
            for (int block = 0; block < info.blocksPerSector; ++block) {
                const BlockPosition at{chip, sector, block};
                if (isReservedBlock(chip, sector, block) ||
                    isLastBlockOfChip(info, sector, block) ||
                    badBlocks.isBad(chip, sector, block)) {
                    scan.skip(at);
                    continue;
                }
                const auto header = readLineTwice(link, {chip, sector, block, 0});
                if (!header) return std::nullopt;
                if (isJobStartHeader(*header)) {
                    scan.startJob(at);
                } else if (isErasedHeader(*header)) {
                    scan.endAtErased();
                    scan.finish();
                    return memory.Jobs.empty() ? 0 : calculateMemUsage(memory, chip, sector, block);
                } else {
                    scan.continueJob(at);
                }
            }
        }
    }
    scan.endAtMemoryEnd();
    scan.finish();
    return kFullMemoryPercent;
}

}  // namespace rvxmod::memory
