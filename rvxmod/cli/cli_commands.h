#pragma once

#include <span>
#include <string>

namespace rvxmod::cli {

// Options that come before the command word.
struct GlobalOptions {
    std::string port;  // serial device; empty: try the devices present
    int baud = 0;      // 0: 230400 first, then 19200
};

// Exit status of every command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

int runInfoCommand(const GlobalOptions& options, std::span<const std::string> args);
int runConvertCommand(const GlobalOptions& options, std::span<const std::string> args);
int runBbtCommand(const GlobalOptions& options, std::span<const std::string> args);
int runFormatCommand(const GlobalOptions& options, std::span<const std::string> args);
int runEraseJobsCommand(const GlobalOptions& options, std::span<const std::string> args);
int runReadBlockCommand(const GlobalOptions& options, std::span<const std::string> args);
int runReadLineCommand(const GlobalOptions& options, std::span<const std::string> args);
int runCalsCommand(const GlobalOptions& options, std::span<const std::string> args);
int runDownloadCommand(const GlobalOptions& options, std::span<const std::string> args);

}  // namespace rvxmod::cli
