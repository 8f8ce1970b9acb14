// A download over a line that corrupts and loses a few percent of the answers gives the files of
// a clean line, or ends the job with a clear message and keeps what it had.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/rvxmod/download/engine_fixture.h"

namespace rvxmod::testing {
namespace {

using Kind = rvx::testing::ScriptedUserPort::Kind;

class EngineLinkFaults : public EngineTest, public ::testing::WithParamInterface<unsigned> {};

TEST_P(EngineLinkFaults, RecoverOrStopClearly) {
    record({{{{{kGauge, kCcl, kRtd}, samplesFilling(60, {kGauge, kCcl, kRtd})}}, 10, 10}});
    line.user.paths = {"clean.rvx", "faulty.rvx"};
    ASSERT_TRUE(download(false).jobs.at(0).complete);
    sim::FaultSpec faults;
    faults.noise = 0.02;
    faults.corrupt = 0.03;
    faults.drop = 0.02;
    faults.split = 0.1;
    faults.seed = GetParam();
    line.simulator->setFaults(faults);

    const DownloadSummary summary = download(false);

    ASSERT_EQ(summary.jobs.size(), 1u);
    const auto clean = dataLines("clean.rvx");
    const auto faulty = dataLines("faulty.rvx");
    RecordProperty("outcome", summary.jobs[0].complete ? "recovered" : "stopped");
    if (summary.jobs[0].complete) {
        EXPECT_EQ(faulty, clean);
        EXPECT_TRUE(line.user.textsOf(Kind::Error).empty());
    } else {
        EXPECT_EQ(line.user.textsOf(Kind::Error),
                  std::vector<std::string>{"Error reading tool memory"});
        EXPECT_LT(faulty.size(), clean.size());
        EXPECT_TRUE(std::equal(faulty.begin(), faulty.end(), clean.begin()));
    }
    EXPECT_TRUE(line.user.commandsBalanced());
}

INSTANTIATE_TEST_SUITE_P(Seeds, EngineLinkFaults, ::testing::Values(1u, 2u, 3u, 4u, 5u, 6u));

}  // namespace
}  // namespace rvxmod::testing
