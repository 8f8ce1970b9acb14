#include <iostream>

#include "rvxmod/cli/cli_commands.h"

namespace rvxmod::cli {

// Placeholder until the convert command lands: says so and fails.
int runConvertCommand(const GlobalOptions&, std::span<const std::string>) {
    std::cerr << "rvxmod-cli: convert is not available in this build yet\n";
    return kExitFailure;
}

}  // namespace rvxmod::cli
