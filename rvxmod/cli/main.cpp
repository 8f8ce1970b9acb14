// rvxmod-cli: the tool-side operations without windows.
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "rvxmod/cli/cli_commands.h"

namespace {

using rvxmod::cli::GlobalOptions;

constexpr std::string_view kUsage =
    "usage: rvxmod-cli [--port DEVICE] [--baud 230400|19200] COMMAND [ARGS...]\n"
    "commands:\n"
    "  info                        connect and list the tool string\n"
    "  convert --cal FILE [...]    convert raw counts read from stdin\n"
    "  bbt                         show the bad-block table\n"
    "  format --yes                format the whole memory (cal files and jobs too)\n"
    "  erase-jobs --yes            erase every recorded job\n"
    "  read-block CHIP SECTOR BLOCK         print a memory block in hexadecimal\n"
    "  read-line CHIP SECTOR BLOCK LINE     print a memory line in hexadecimal\n"
    "  cals list|save ROW=FILE...|retrieve FOLDER|delete --yes   cal files kept in the tool\n"
    "  download (--all|--job N) --out DIR [...]  download jobs into RVX data files\n";

int usageError(std::string_view message) {
    std::cerr << "rvxmod-cli: " << message << "\n" << kUsage;
    return rvxmod::cli::kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> words(argv + 1, argv + argc);
    GlobalOptions options;
    std::size_t i = 0;
    for (; i < words.size() && words[i].starts_with("--"); ++i) {
        if (i + 1 >= words.size()) return usageError(words[i] + " needs a value");
        if (words[i] == "--port") {
            options.port = words[++i];
        } else if (words[i] == "--baud") {
            const std::string& baud = words[++i];
            if (baud != "230400" && baud != "19200") return usageError("--baud takes 230400 or 19200");
            options.baud = std::stoi(baud);
        } else {
            return usageError("unknown option " + words[i]);
        }
    }
    if (i >= words.size()) return usageError("no command given");
    const std::string& command = words[i];
    const std::span<const std::string> rest(words.data() + i + 1, words.size() - i - 1);
    if (command == "info") return rvxmod::cli::runInfoCommand(options, rest);
    if (command == "convert") return rvxmod::cli::runConvertCommand(options, rest);
    if (command == "bbt") return rvxmod::cli::runBbtCommand(options, rest);
    if (command == "format") return rvxmod::cli::runFormatCommand(options, rest);
    if (command == "erase-jobs") return rvxmod::cli::runEraseJobsCommand(options, rest);
    if (command == "read-block") return rvxmod::cli::runReadBlockCommand(options, rest);
    if (command == "read-line") return rvxmod::cli::runReadLineCommand(options, rest);
    if (command == "cals") return rvxmod::cli::runCalsCommand(options, rest);
    if (command == "download") return rvxmod::cli::runDownloadCommand(options, rest);
    return usageError("unknown command " + command);
}
