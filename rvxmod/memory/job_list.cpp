#include "rvxmod/memory/job_list.h"

#include "common/text_catalogue.h"
#include "rvxmod/link/commands.h"
#include "rvxmod/memory/job_scan.h"
#include "rvxmod/memory/memory_map.h"

namespace rvxmod::memory {

namespace {

constexpr int kMinimumRows = 6;

std::string text(const char* english) {
    return rvx::trText("ToolInfo", english);
}

void showCommunicationsError(rvx::UserPort& user) {
    user.showError(text("Communications error. Please re-connect"));
}

}  // namespace

JobGrid jobGridOf(const MemoryObj& memory, rvx::UserPort& user) {
    JobGrid grid;
    grid.rowCount = memory.JobCount < 7 ? kMinimumRows : memory.JobCount;
    if (memory.Jobs.empty()) {
        grid.rows.push_back({text("None"), {}});
        return grid;
    }
    for (std::size_t i = 0; i < memory.Jobs.size(); ++i) {
        const jobObj& job = memory.Jobs[i];
        const bool unreadable = job.RecordSize == 0 || job.Corrupt;
        grid.rows.push_back(
            {std::to_string(i + 1),
             unreadable ? text("N/A") : std::to_string(job.RecordsPerBlock * job.BlockCount)});
        if (job.Corrupt) {
            user.showError(text("Job ") + std::to_string(i + 1) +
                           text(" is corrupt. Cannot display job."));
        }
    }
    return grid;
}

bool updateMemoryInfo(link::ToolLink& link, ConnectedToolString& toolString, MemoryBuffers& buffers,
                      rvx::UserPort& user) {
    buffers.usagePercent = 0;
    if (!toolString.MemoryPresent) return true;
    MemoryObj& memory = toolString.Memory;
    if (const auto limits = queryMemModule_Size(link, memory, user)) buffers.limits = *limits;
    getBBT(link, memory, buffers.badBlocks, user);
    if (toolString.QuickConnect) return true;
    user.setStatus(text("Reading job data. This may take some time..."));
    const auto usage = queryMemModule_Jobs(link, memory, buffers.badBlocks, user);
    user.setStatus("");
    if (!usage) {
        showCommunicationsError(user);
        return false;
    }
    buffers.usagePercent = *usage;
    return true;
}

bool eraseAllJobs(link::ToolLink& link, ConnectedToolString& toolString, MemoryBuffers& buffers,
                  rvx::UserPort& user) {
    if (!toolString.MemoryPresent) {
        user.showWarning(text("There is no memory module present, cannot erase all jobs."));
        return false;
    }
    if (!user.askYesCancel(text(
            "You are about to erase ALL jobs in memory. Are you sure you wish to continue?"))) {
        return false;
    }
    const rvx::CommandsDisabled busy(user);
    user.setStatus(text("Erasing all job data. Please be patient, this will take some time..."));
    const MemoryObj& memory = toolString.Memory;
    const int total = kSectorSlots * memory.Chips[0].sectors * memory.Chips[0].blocksPerSector;
    int step = 0;
    bool erased = true;
    for (int chip = 0; chip < geometry::kMaxChips && erased; ++chip) {
        const ChipInfo& info = memory.Chips[static_cast<std::size_t>(chip)];
        for (int sector = 0; sector < info.sectors && erased; ++sector) {
            for (int block = 0; block < info.blocksPerSector; ++block) {
                user.setProgress(++step, total);
                if (block % kEraseGroupBlocks != 0 || isReservedBlock(chip, sector, block)) {
                    continue;
                }
                if (!link::send_EraseBlocks(link, {chip, sector, block, 0})) {
                    user.showError(text("Error while erasing - Some data may have been lost."));
                    erased = false;
                    break;
                }
            }
        }
    }
    const bool refreshed = updateMemoryInfo(link, toolString, buffers, user);
    buffers.usagePercent = 0;
    user.setStatus("");
    return erased && refreshed;
}

void quickConnectTicked(rvx::UserPort& user) {
    user.showWarning(
        text("You have turned Quick Connect on. The software will NOT display any jobs. You "
             "cannot read from memory or download jobs with Quick Connect selected."));
}

bool memoryReadable(const ConnectedToolString& toolString, rvx::UserPort& user) {
    if (toolString.QuickConnect) {
        quickConnectTicked(user);
        return false;
    }
    if (!toolString.MemoryPresent) {
        user.showWarning(text("There is no memory module present, cannot perform this action."));
        return false;
    }
    return true;
}

std::array<std::array<std::string, 3>, 4> jobInfoCells(const jobObj& job, std::size_t jobIndex) {
    return {{{text("Job ") + std::to_string(jobIndex + 1), text("Start"), text("End")},
             {text(" Chip: "), std::to_string(job.StartChip), std::to_string(job.EndChip)},
             {text(" Sector: "), std::to_string(job.StartSector), std::to_string(job.EndSector)},
             {text(" Block:"), std::to_string(job.StartBlock), std::to_string(job.EndBlock)}}};
}

}  // namespace rvxmod::memory
