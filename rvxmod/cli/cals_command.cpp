#include <charconv>
#include <iostream>
#include <map>

#include "rvxmod/cli/answering_user_port.h"
#include "rvxmod/cli/cli_commands.h"
#include "rvxmod/cli/console_user_port.h"
#include "rvxmod/cli/memory_session.h"
#include "rvxmod/link/tool_string_grid.h"
#include "rvxmod/memory/save_cal_files.h"

namespace rvxmod::cli {

namespace {

constexpr std::string_view kCalsUsage =
    "usage: rvxmod-cli cals list\n"
    "       rvxmod-cli cals save ROW=FILE... [--yes]   (ROW 0..5 of the list)\n"
    "       rvxmod-cli cals retrieve FOLDER [--yes]\n"
    "       rvxmod-cli cals delete --yes\n";

int usage() {
    std::cerr << kCalsUsage;
    return kExitUsage;
}

void printGrid(const memory::SaveCalsGrid& grid) {
    std::cout << "row\ttool\tserial\tstatus\tcal file\n";
    for (std::size_t row = 0; row < grid.rows.size(); ++row) {
        const memory::SaveCalsRow& r = grid.rows[row];
        std::cout << row << "\t" << r.toolName << "\t" << r.identity << "\t" << r.statusText << "\t"
                  << r.calFileName << "\n";
    }
}

// ROW=FILE words, in row order (the order the files are asked for).
std::optional<std::map<std::size_t, std::string>> filesByRow(std::span<const std::string> words) {
    std::map<std::size_t, std::string> files;
    for (const std::string& word : words) {
        const std::size_t equals = word.find('=');
        std::size_t row = 0;
        const auto [end, error] = std::from_chars(word.data(), word.data() + equals, row);
        if (equals == std::string::npos || error != std::errc() || end != word.data() + equals ||
            row >= memory::kCalSlotCount) {
            return std::nullopt;
        }
        files[row] = word.substr(equals + 1);
    }
    return files;
}

}  // namespace

int runCalsCommand(const GlobalOptions& options, std::span<const std::string> args) {
    if (args.empty()) return usage();
    const std::string& action = args[0];
    std::vector<std::string> rest(args.begin() + 1, args.end());
    const auto yesFlag = std::find(rest.begin(), rest.end(), "--yes");
    const bool yes = yesFlag != rest.end();
    if (yes) rest.erase(yesFlag);

    std::deque<std::string> paths;
    std::array<bool, memory::kCalSlotCount> checked{};
    if (action == "save") {
        const auto files = filesByRow(rest);
        if (!files || files->empty()) return usage();
        for (const auto& [row, path] : *files) {
            checked[row] = true;
            paths.push_back(path);
        }
    } else if (action == "retrieve") {
        if (rest.size() != 1) return usage();
        paths.push_back(rest[0]);
    } else if ((action != "list" && action != "delete") || !rest.empty()) {
        return usage();
    }

    ConsoleUserPort console;
    AnsweringUserPort user(console, yes, std::move(paths));
    MemorySession session(user);
    if (!session.connect(options, true)) return kExitFailure;
    memory::SaveCalsGrid grid = memory::fillSaveCalsGrid(session.toolString());
    memory::CalStorage storage{session.toolLink(), session.toolString(), user,
                               session.buffers().backup, session.buffers().keepErased};
    bool done = true;
    if (action == "save") {
        memory::saveCalFiles(storage, grid, checked);
        for (std::size_t row = 0; row < grid.rows.size(); ++row) {
            if (checked[row] && grid.rows[row].calFileName.empty()) done = false;
        }
    } else if (action == "retrieve") {
        memory::retrieveCals(storage);
    } else if (action == "delete") {
        memory::deleteAllCals(storage, grid);
    }
    printGrid(grid);
    return done ? kExitOk : kExitFailure;
}

}  // namespace rvxmod::cli
