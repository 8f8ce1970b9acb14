#include "rvxmod/cli/memory_session.h"

#include <ostream>

#include "common/text_catalogue.h"
#include "rvxmod/memory/connect_hooks.h"
#include "rvxmod/memory/job_list.h"

namespace rvxmod::cli {

std::optional<bool> yesOnly(std::span<const std::string> args) {
    if (args.empty()) return false;
    if (args.size() == 1 && args[0] == "--yes") return true;
    return std::nullopt;
}

link::ConnectOptions connectOptionsFor(const GlobalOptions& options) {
    link::ConnectOptions connect;
    if (!options.port.empty()) {
        connect.choice = link::PortChoice::Com;
        connect.comDevice = options.port;
    }
    if (options.baud != 0) connect.bauds = {options.baud};
    return connect;
}

void printJobList(std::ostream& out, const ConnectedToolString& toolString,
                  const memory::MemoryBuffers& buffers, rvx::UserPort& user) {
    if (!toolString.MemoryPresent) return;
    if (toolString.QuickConnect) {
        out << "jobs: not read (Quick Connect)\n";
        return;
    }
    out << "job\tsamples (approx)\tstart chip/sector/block\tend chip/sector/block\n";
    const memory::JobGrid grid = memory::jobGridOf(toolString.Memory, user);
    for (std::size_t i = 0; i < toolString.Memory.Jobs.size(); ++i) {
        const jobObj& job = toolString.Memory.Jobs[i];
        out << grid.rows[i].number << "\t" << grid.rows[i].samples << "\t" << job.StartChip << "/"
            << job.StartSector << "/" << job.StartBlock << "\t" << job.EndChip << "/"
            << job.EndSector << "/" << job.EndBlock << "\n";
    }
    if (toolString.Memory.Jobs.empty()) out << grid.rows.front().number << "\n";
    out << "memory usage: " << buffers.usagePercent << "%\n";
}

bool MemorySession::connect(const GlobalOptions& options, bool quickConnect) {
    link::ConnectOptions connect = connectOptionsFor(options);
    connect.quickConnectChecked = quickConnect;
    const link::ConnectOutcome outcome =
        link::connectToolString(link_, toolString_, user_, connect,
                                memory::memoryConnectHooks(link_, toolString_, buffers_, user_));
    if (!outcome.connected) return false;
    if (!toolString_.MemoryPresent) {
        user_.showWarning(rvx::trText(
            "ToolInfo", "There is no memory module present, cannot perform this action."));
        return false;
    }
    return true;
}

}  // namespace rvxmod::cli
