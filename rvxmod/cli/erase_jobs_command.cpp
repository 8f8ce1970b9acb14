#include <iostream>

#include "rvxmod/cli/answering_user_port.h"
#include "rvxmod/cli/cli_commands.h"
#include "rvxmod/cli/console_user_port.h"
#include "rvxmod/cli/memory_session.h"
#include "rvxmod/memory/job_list.h"

namespace rvxmod::cli {

int runEraseJobsCommand(const GlobalOptions& options, std::span<const std::string> args) {
    const auto yes = yesOnly(args);
    if (!yes) {
        std::cerr << "rvxmod-cli: erase-jobs takes only --yes\n";
        return kExitUsage;
    }
    ConsoleUserPort console;
    AnsweringUserPort user(console, *yes);
    MemorySession session(user);
    if (!session.connect(options, false)) return kExitFailure;
    if (!memory::eraseAllJobs(session.toolLink(), session.toolString(), session.buffers(), user)) {
        return kExitFailure;
    }
    printJobList(std::cout, session.toolString(), session.buffers(), user);
    return kExitOk;
}

}  // namespace rvxmod::cli
