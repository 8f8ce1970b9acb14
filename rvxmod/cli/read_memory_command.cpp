#include <charconv>
#include <iostream>
#include <optional>

#include "rvxmod/cli/cli_commands.h"
#include "rvxmod/cli/console_user_port.h"
#include "rvxmod/cli/memory_session.h"
#include "rvxmod/memory/supervisor_reads.h"
#include "rvxmod/model/memory_geometry.h"

namespace rvxmod::cli {

namespace {

// CHIP SECTOR BLOCK, and LINE when withLine.
std::optional<link::MemoryAddress> addressOf(std::span<const std::string> args, bool withLine) {
    const std::size_t wanted = withLine ? 4 : 3;
    if (args.size() != wanted) return std::nullopt;
    int numbers[4] = {};
    for (std::size_t i = 0; i < wanted; ++i) {
        const std::string& word = args[i];
        const auto [end, error] =
            std::from_chars(word.data(), word.data() + word.size(), numbers[i]);
        if (error != std::errc() || end != word.data() + word.size()) return std::nullopt;
    }
    return link::MemoryAddress{numbers[0], numbers[1], numbers[2], numbers[3]};
}

template <class Read>
int readForMemo(const GlobalOptions& options, std::span<const std::string> args, bool withLine,
                std::size_t bytes, Read read) {
    const auto address = addressOf(args, withLine);
    if (!address) {
        std::cerr << "rvxmod-cli: give CHIP SECTOR BLOCK" << (withLine ? " LINE" : "") << "\n";
        return kExitUsage;
    }
    ConsoleUserPort user;
    MemorySession session(user);
    if (!session.connect(options, false)) return kExitFailure;
    const auto memo = read(session.toolLink(), session.toolString(), *address, user);
    if (!memo) {
        std::cerr << "rvxmod-cli: no such place in this memory\n";
        return kExitFailure;
    }
    std::cout << *memo << "\n";
    // Anything but the bytes' digits is the read's failure message.
    return memo->size() == 2 * bytes ? kExitOk : kExitFailure;
}

}  // namespace

int runReadBlockCommand(const GlobalOptions& options, std::span<const std::string> args) {
    return readForMemo(options, args, false, geometry::kBlockSize, memory::readBlockForMemo);
}

int runReadLineCommand(const GlobalOptions& options, std::span<const std::string> args) {
    return readForMemo(options, args, true, geometry::kLineSize, memory::readLineForMemo);
}

}  // namespace rvxmod::cli
