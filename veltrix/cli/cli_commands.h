#pragma once

#include <span>
#include <string>

namespace veltrix::cli {

// Exit status of every command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// Prints a usage error to stderr and answers kExitUsage.
int usageError(const std::string& message);

int runInfoCommand(std::span<const std::string> args);

}  // namespace veltrix::cli
