// Starts the real simulator on a pseudo-terminal and connects the real command-line program to it
// through the serial code path.
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>

#include "rvxmod/link/tool_string_grid.h"
#include "rvxmod/model/tool_types.h"
#include "rvxmod/sim/scenario.h"

extern char** environ;

namespace rvxmod::sim {
namespace {

// The simulator as a child process, stopped and reaped on every path.
class SimulatorProcess {
public:
    SimulatorProcess(const std::filesystem::path& link, const std::string& faults) {
        std::vector<std::string> words{RVXSIM_PATH, "--pty", link.string()};
        if (!faults.empty()) words.insert(words.end(), {"--faults", faults});
        std::vector<char*> argv;
        for (std::string& word : words) argv.push_back(word.data());
        argv.push_back(nullptr);
        if (posix_spawn(&pid_, RVXSIM_PATH, nullptr, nullptr, argv.data(), environ) != 0) pid_ = -1;
    }
    ~SimulatorProcess() {
        if (pid_ <= 0) return;
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    SimulatorProcess(const SimulatorProcess&) = delete;
    SimulatorProcess& operator=(const SimulatorProcess&) = delete;

    bool started() const { return pid_ > 0; }
    // Stops the simulator and returns its exit status.
    int stop() {
        kill(pid_, SIGTERM);
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    pid_t pid_ = -1;
};

bool appears(const std::filesystem::path& link) {
    for (int i = 0; i < 100 && !std::filesystem::is_symlink(link); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return std::filesystem::is_symlink(link);
}

struct CliRun {
    int status = -1;
    std::string output;
};

// Bounded by timeout(1) so a hung connection fails the test instead of stalling it.
CliRun runInfo(const std::filesystem::path& link) {
    const std::string command =
        std::string("timeout 90 ") + RVXMOD_CLI_PATH + " --port " + link.string() + " info 2>&1";
    CliRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[512];
    while (fgets(buffer, sizeof buffer, pipe) != nullptr) run.output += buffer;
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

class RvxsimOnPseudoTerminal : public ::testing::TestWithParam<const char*> {};

TEST_P(RvxsimOnPseudoTerminal, InfoListsTheSimulatedToolString) {
    const auto link = std::filesystem::temp_directory_path() /
                      ("rvxsim_e2e_" + std::to_string(getpid()) + "_" +
                       std::to_string(std::hash<std::string>{}(GetParam())));
    SimulatorProcess simulator(link, GetParam());
    ASSERT_TRUE(simulator.started());
    ASSERT_TRUE(appears(link));

    const CliRun run = runInfo(link);
    ASSERT_EQ(run.status, 0) << run.output;
    for (const SimTool& tool : demoScenario().tools) {
        const std::string identity =
            link::toolIdentityText(toolTypeCode(tool.type), tool.serialNumber);
        EXPECT_NE(run.output.find(identity), std::string::npos) << identity << "\n" << run.output;
    }
    EXPECT_EQ(simulator.stop(), 0);
    EXPECT_FALSE(std::filesystem::exists(link));
}

INSTANTIATE_TEST_SUITE_P(Lines, RvxsimOnPseudoTerminal,
                         ::testing::Values("",
                                           "noise=0.03,corrupt=0.03,drop=0.02,delay=0.02,"
                                           "split=0.2,seed=11"));

}  // namespace
}  // namespace rvxmod::sim
