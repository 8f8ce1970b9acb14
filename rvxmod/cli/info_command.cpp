#include <iostream>

#include "rvxmod/cli/cli_commands.h"
#include "rvxmod/cli/console_user_port.h"
#include "rvxmod/cli/memory_session.h"
#include "rvxmod/link/connect_sequence.h"
#include "rvxmod/link/serial_device_port.h"
#include "rvxmod/link/tool_string_grid.h"
#include "rvxmod/memory/connect_hooks.h"

namespace rvxmod::cli {

namespace {

void printToolString(const ConnectedToolString& toolString) {
    if (toolString.MemoryPresent) {
        const MemoryObj& memory = toolString.Memory;
        std::cout << "memory module: " << memory.Name << " "
                  << link::toolIdentityText(memory.Code, memory.SerialNumber) << " length "
                  << memory.ToolLength << " fw date " << link::dayNumberText(memory.FirmwareDate)
                  << "\n";
    } else {
        std::cout << "memory module: none\n";
    }
    std::cout << "type\tname\tcode\tserial\tlength\tsample size\tcal date\tfw date\n";
    const link::ToolGrid grid = link::UpdateToolChainGrid(toolString);
    const std::size_t firstToolRow = toolString.MemoryPresent ? 1 : 0;
    for (std::size_t i = 0; i < toolString.ToolChain.size(); ++i) {
        const ToolObj& tool = toolString.ToolChain[i];
        const link::ToolGridRow& row = grid.rows[firstToolRow + i];
        std::cout << tool.ToolType << "\t" << tool.ToolName << "\t" << tool.ToolCode << "\t"
                  << row.identity << "\t" << tool.ToolLength << "\t" << tool.DataLength + 1 << "\t"
                  << row.calDate << "\t" << row.firmwareDate << "\n";
    }
}

}  // namespace

int runInfoCommand(const GlobalOptions& options, std::span<const std::string> args) {
    if (!args.empty()) {
        std::cerr << "rvxmod-cli: info takes no arguments\n";
        return kExitUsage;
    }
    link::SteadyClock clock;
    link::SerialDevicePort port(clock);
    link::ToolLink toolLink(port, clock);
    ConsoleUserPort user;
    ConnectedToolString toolString;
    memory::MemoryBuffers buffers;
    const link::ConnectOutcome outcome =
        link::connectToolString(toolLink, toolString, user, connectOptionsFor(options),
                                memory::memoryConnectHooks(toolLink, toolString, buffers, user));
    if (!outcome.connected) return kExitFailure;
    std::cout << "connected on " << outcome.device << " at " << outcome.baud << " baud\n";
    printToolString(toolString);
    printJobList(std::cout, toolString, buffers, user);
    return kExitOk;
}

}  // namespace rvxmod::cli
