#include <iostream>

#include "rvxmod/cli/answering_user_port.h"
#include "rvxmod/cli/cli_commands.h"
#include "rvxmod/cli/console_user_port.h"
#include "rvxmod/cli/memory_session.h"
#include "rvxmod/memory/format_tool.h"

namespace rvxmod::cli {

int runFormatCommand(const GlobalOptions& options, std::span<const std::string> args) {
    const auto yes = yesOnly(args);
    if (!yes) {
        std::cerr << "rvxmod-cli: format takes only --yes\n";
        return kExitUsage;
    }
    ConsoleUserPort console;
    AnsweringUserPort user(console, *yes);
    MemorySession session(user);
    if (!session.connect(options, true)) return kExitFailure;
    if (!memory::confirmFormat(session.toolString(), user)) return kExitFailure;
    const memory::FormatView view{[](int chip, int sector) {
                                      std::cout << "formatting chip " << chip << " sector "
                                                << sector << std::endl;
                                  },
                                  {}};
    return memory::startFormat(session.toolLink(), session.toolString(),
                               session.buffers().badBlocks, user, view)
               ? kExitOk
               : kExitFailure;
}

}  // namespace rvxmod::cli
