// rvxsim: a simulated tool string on a pseudo-terminal, for the programs to connect to.
#include <charconv>
#include <csignal>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rvxmod/sim/bad_block_table.h"
#include "rvxmod/sim/pseudo_terminal.h"
#include "rvxmod/sim/pty_runner.h"
#include "rvxmod/sim/recorded_memory.h"
#include "rvxmod/sim/tool_string_simulator.h"

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int) {
    stopRequested = 1;
}

constexpr std::string_view kUsage =
    "usage: rvxsim --pty LINK [--scenario NAME|FILE] [--image FILE] [--faults SPEC]\n"
    "              [--format-sector-ms MS]\n"
    "  LINK      symbolic link to create to the tool string's serial line\n"
    "  NAME      built-in scenario: demo (the default)\n"
    "  FILE      scenario file; flash image: raw blocks from chip 0, sector 0, block 0,\n"
    "            loaded when it exists and written back when the simulator stops; without\n"
    "            one the memory starts with recorded jobs\n"
    "  MS        time the tool takes to format one sector (default 3000)\n"
    "  SPEC      faults, e.g. --faults noise=0.02,corrupt=0.02,drop=0.01,delay=0.01,split=0.1,seed=7\n";

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

struct Options {
    std::string link;
    std::string scenario = "demo";
    std::string image;
    std::string faults;
    int formatSectorMs = 3000;
};

std::optional<Options> parseOptions(const std::vector<std::string>& words) {
    Options options;
    for (std::size_t i = 0; i < words.size(); i += 2) {
        if (i + 1 >= words.size()) return std::nullopt;
        const std::string& value = words[i + 1];
        if (words[i] == "--pty") {
            options.link = value;
        } else if (words[i] == "--scenario") {
            options.scenario = value;
        } else if (words[i] == "--image") {
            options.image = value;
        } else if (words[i] == "--faults") {
            options.faults = value;
        } else if (words[i] == "--format-sector-ms") {
            const auto [end, error] =
                std::from_chars(value.data(), value.data() + value.size(), options.formatSectorMs);
            if (error != std::errc() || end != value.data() + value.size()) return std::nullopt;
        } else {
            return std::nullopt;
        }
    }
    if (options.link.empty()) return std::nullopt;
    return options;
}

int failWith(const std::string& message) {
    std::cerr << "rvxsim: " << message << "\n";
    return kExitFailure;
}

}  // namespace

int main(int argc, char** argv) {
    const auto options = parseOptions({argv + 1, argv + argc});
    if (!options) {
        std::cerr << kUsage;
        return kExitUsage;
    }
    const auto scenario = rvxmod::sim::scenarioNamed(options->scenario);
    if (!scenario) return failWith(scenario.error().message);
    rvxmod::sim::ToolStringSimulator simulator(*scenario);
    simulator.setFormatSectorTime(std::chrono::milliseconds(options->formatSectorMs));
    if (!options->image.empty() && std::filesystem::exists(options->image)) {
        if (auto loaded = simulator.flash().loadRaw(options->image); !loaded) {
            return failWith(loaded.error().message);
        }
        rvxmod::sim::markBadBlocksFromTable(simulator.flash());
    } else {
        rvxmod::sim::recordScenarioJobs(*scenario, simulator.flash());
    }
    if (!options->faults.empty()) {
        const auto faults = rvxmod::sim::parseFaultSpec(options->faults);
        if (!faults) return failWith(faults.error().message);
        simulator.setFaults(*faults);
    }

    std::signal(SIGTERM, requestStop);
    std::signal(SIGINT, requestStop);
    const auto pty = rvxmod::sim::PseudoTerminal::create(options->link);
    if (!pty) return failWith(pty.error().message);
    std::cerr << "rvxsim: " << options->link << " -> " << (*pty)->slaveName() << "\n";
    const auto served = rvxmod::sim::runOnPseudoTerminal(**pty, simulator, stopRequested);
    if (!served) return failWith(served.error().message);
    if (!options->image.empty()) {
        if (auto saved = simulator.flash().saveRaw(options->image); !saved) {
            return failWith(saved.error().message);
        }
    }
    return 0;
}
