#include <iostream>

#include "rvxmod/cli/cli_commands.h"

namespace rvxmod::cli {

// Placeholder until the info command lands: says so and fails.
int runInfoCommand(const GlobalOptions&, std::span<const std::string>) {
    std::cerr << "rvxmod-cli: info is not available in this build yet\n";
    return kExitFailure;
}

}  // namespace rvxmod::cli
