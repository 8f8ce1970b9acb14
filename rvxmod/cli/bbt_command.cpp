#include <iostream>

#include "rvxmod/cli/cli_commands.h"
#include "rvxmod/cli/console_user_port.h"
#include "rvxmod/cli/memory_session.h"
#include "rvxmod/memory/bad_block_map.h"

namespace rvxmod::cli {

int runBbtCommand(const GlobalOptions& options, std::span<const std::string> args) {
    if (!args.empty()) {
        std::cerr << "rvxmod-cli: bbt takes no arguments\n";
        return kExitUsage;
    }
    ConsoleUserPort user;
    MemorySession session(user);
    if (!session.connect(options, true)) return kExitFailure;
    const auto memo = memory::readBBTable(session.toolLink(), session.toolString(),
                                          session.buffers().badBlocks, user);
    for (const std::string& line : memo) std::cout << line << "\n";
    return memo.empty() ? kExitFailure : kExitOk;
}

}  // namespace rvxmod::cli
