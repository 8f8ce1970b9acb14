// veltrix-cli: the office-side operations without windows.
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "veltrix/cli/cli_commands.h"

namespace veltrix::cli {

constexpr std::string_view kUsage =
    "usage: veltrix-cli COMMAND [ARGS...]\n"
    "commands:\n"
    "  info --depth FILE    kind, start, units, point count and depth range of a depth file\n";

int usageError(const std::string& message) {
    std::cerr << "veltrix-cli: " << message << "\n" << kUsage;
    return kExitUsage;
}

}  // namespace veltrix::cli

int main(int argc, char** argv) {
    const std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty()) return veltrix::cli::usageError("no command given");
    const std::string& command = words.front();
    const std::span<const std::string> rest(words.data() + 1, words.size() - 1);
    if (command == "info") return veltrix::cli::runInfoCommand(rest);
    return veltrix::cli::usageError("unknown command " + command);
}
