// rvxmod-cli download against rvxsim on a pseudo-terminal writes the files the engine writes
// in-process for the same recorded memory.
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "rvxmod/sim/recorded_memory.h"
#include "tests/rvxmod/download/engine_fixture.h"

namespace rvxmod::testing {
namespace {

namespace fs = std::filesystem;

const std::string kGaugeCal = std::string(RVX_FIXTURES_DIR) + "/memory/RarodIdirura_RP00201.dat";
const std::string kRtdCal = std::string(RVX_FIXTURES_DIR) + "/memory/RTD_RR00077.tdat";
constexpr const char* kStart = "2026/12/01 08:00:00";

struct CliRun {
    int status = -1;
    std::string output;
};

// Starts the simulator, waits for its link, downloads and stops it; bounded by timeout(1).
CliRun downloadFromSimulator(const fs::path& folder) {
    const fs::path link = folder / "line";
    const std::string cli = std::string(RVXMOD_CLI_PATH) + " --port " + link.string() +
                            " download --all --out " + (folder / "out").string() +
                            " --format both --cal-location computer --cal RP00201=" + kGaugeCal +
                            " --cal RR00077=" + kRtdCal + " --start '" + kStart + "'";
    const std::string script = std::string(RVXSIM_PATH) + " --pty " + link.string() +
                               " & sim=$!; for i in $(seq 100); do [ -L " + link.string() +
                               " ] && break; sleep 0.1; done; timeout 120 " + cli +
                               "; status=$?; kill $sim; wait $sim; exit $status";
    CliRun run;
    FILE* pipe = popen(("{ " + script + "; } 2>/dev/null").c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[512];
    while (fgets(buffer, sizeof buffer, pipe) != nullptr) run.output += buffer;
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// The files named on the program's job lines ("job N <tab> cell <tab> file...").
std::vector<fs::path> listedFiles(const std::string& output) {
    std::vector<fs::path> files;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        if (!line.starts_with("job ")) continue;
        std::istringstream fields(line);
        std::string field;
        std::getline(fields, field, '\t');  // job number
        std::getline(fields, field, '\t');  // sample cell
        while (std::getline(fields, field, '\t')) files.push_back(field);
    }
    return files;
}

TEST_F(EngineTest, CommandLineDownloadWritesTheEngineFiles) {
    const CliRun run = downloadFromSimulator(fs::current_path());
    ASSERT_EQ(run.status, 0) << run.output;
    const std::vector<fs::path> files = listedFiles(run.output);

    sim::recordScenarioJobs(sim::demoScenario(), line.flash());
    ASSERT_TRUE(memory::updateMemoryInfo(*line.link, line.toolString, line.buffers, line.user));
    settings.fileFormat = 2;
    settings.calibration.location = CalFileLocation::OnComputer;
    line.user.paths = {(fs::current_path() / "engine").string()};
    for (std::size_t job = 0; job < line.toolString.Memory.Jobs.size(); ++job) {
        line.user.paths.insert(line.user.paths.end(), {kGaugeCal, kRtdCal});
    }
    startDialogValue = rvx::encodeDateTime({2026, 12, 1, 8, 0, 0, 0});
    const DownloadSummary summary = download(true);

    std::vector<fs::path> expected;
    for (const DownloadedJob& job : summary.jobs)
        expected.insert(expected.end(), job.files.begin(), job.files.end());
    ASSERT_EQ(files.size(), expected.size()) << run.output;
    ASSERT_EQ(files.size(), 6u);  // three jobs, two files each
    for (std::size_t i = 0; i < files.size(); ++i) {
        EXPECT_EQ(files[i].filename(), expected[i].filename());
        EXPECT_EQ(dataLines(files[i]), dataLines(expected[i])) << files[i];
        EXPECT_FALSE(dataLines(files[i]).empty()) << files[i];
    }
}

}  // namespace
}  // namespace rvxmod::testing
