#include "veltrix/readers/depth_file_load.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/scripted_user_port.h"

namespace veltrix {
namespace {

using Kind = rvx::testing::ScriptedUserPort::Kind;

std::string fixture(const std::string& name) {
    return std::string(RVX_FIXTURES_DIR) + "/depth/" + name;
}

class DepthFileLoad : public ::testing::Test {
protected:
    Job job;
    rvx::testing::ScriptedUserPort port;
};

TEST_F(DepthFileLoad, FillsTheJobAndLeavesTheBusyState) {
    const DepthLoad load = loadDepthFile(job, port, fixture("tracker.rec"));
    EXPECT_EQ(load.outcome, LoadOutcome::Loaded);
    EXPECT_EQ(job.data.Depth.size(), 3u);
    EXPECT_EQ(job.data.Speed.size(), 3u);
    EXPECT_EQ(job.data.Speed_b.size(), 3u);
    EXPECT_EQ(job.data.Tension.size(), 3u);
    EXPECT_EQ(job.data.Tension_b.size(), 3u);
    // Index i of the depth data sets is one file line.
    EXPECT_EQ(job.data.Speed.y(2), job.data.Depth.y(2));
    EXPECT_EQ(job.data.Speed_b.x(2), job.data.Depth.x(2));
    EXPECT_EQ(job.data.Tension.x(1), job.data.Tension_b.y(1));
    EXPECT_EQ(job.files.depth, fixture("tracker.rec"));
    EXPECT_EQ(job.dataFolder, std::string(RVX_FIXTURES_DIR) + "/depth");
    EXPECT_EQ(job.trackerSerial, "TRK-4411");
    EXPECT_EQ(job.units.depth, "m");
    EXPECT_EQ(job.units.tension, "lbs");
    EXPECT_EQ(job.starts.depthFile, load.read.start);
    EXPECT_EQ(job.starts.depthCurrent, load.read.start);
    EXPECT_EQ(job.counts.depth, 3u);
    EXPECT_EQ(job.counts.largest, 3u);
    EXPECT_FALSE(job.flags.emptyJob);
    EXPECT_TRUE(job.flags.dataLoaded);
    EXPECT_TRUE(port.commandsBalanced());
    EXPECT_TRUE(port.textsOf(Kind::Warning).empty());
}

TEST_F(DepthFileLoad, SecondDepthFileIsRefusedWithoutChange) {
    ASSERT_EQ(loadDepthFile(job, port, fixture("qz_secs.dep")).outcome, LoadOutcome::Loaded);
    const auto depthBefore = job.data.Depth.xColumn();
    EXPECT_EQ(loadDepthFile(job, port, fixture("tracker.rec")).outcome, LoadOutcome::Refused);
    EXPECT_EQ(port.textsOf(Kind::Warning),
              std::vector<std::string>{
                  "You must Clear all previously opened files before opening a new one."});
    EXPECT_EQ(job.data.Depth.xColumn(), depthBefore);
    EXPECT_EQ(job.files.depth, fixture("qz_secs.dep"));
    EXPECT_TRUE(job.trackerSerial.empty());
}

TEST_F(DepthFileLoad, MissingFileChangesNothing) {
    EXPECT_EQ(loadDepthFile(job, port, fixture("no_such_file.dep")).outcome, LoadOutcome::NotFound);
    EXPECT_EQ(port.textsOf(Kind::Error), std::vector<std::string>{"    File not found    "});
    EXPECT_TRUE(job.files.depth.empty());
    EXPECT_TRUE(job.dataFolder.empty());
    EXPECT_TRUE(port.commandsBalanced());
}

TEST_F(DepthFileLoad, StoppedLoadKeepsThePointsButSkipsTheFinish) {
    const DepthLoad load = loadDepthFile(job, port, fixture("bad_value.dep"));
    EXPECT_EQ(load.outcome, LoadOutcome::Stopped);
    EXPECT_EQ(job.data.Depth.size(), 2u);
    EXPECT_EQ(port.textsOf(Kind::Warning).size(), 1u);
    EXPECT_EQ(job.counts.depth, 0u);
    EXPECT_TRUE(job.flags.emptyJob);
    EXPECT_TRUE(port.commandsBalanced());
    // The points read count as loaded data: another depth file needs Clear first.
    EXPECT_EQ(loadDepthFile(job, port, fixture("qz_secs.dep")).outcome, LoadOutcome::Refused);
}

TEST_F(DepthFileLoad, UnparseableStartAddsNoPoints) {
    EXPECT_EQ(loadDepthFile(job, port, fixture("bad_start.dep")).outcome, LoadOutcome::StartDate);
    EXPECT_TRUE(job.data.Depth.empty());
    EXPECT_TRUE(port.commandsBalanced());
    EXPECT_EQ(loadDepthFile(job, port, fixture("qz_secs.dep")).outcome, LoadOutcome::Loaded);
}

TEST_F(DepthFileLoad, KnownKindsResetTheDateOrderOtherKindsKeepItAndTheUnits) {
    job.dateOrder = DateOrder::DayMonthYear;
    ASSERT_EQ(loadDepthFile(job, port, fixture("other_pattern.DEP")).outcome, LoadOutcome::Loaded);
    EXPECT_EQ(job.dateOrder, DateOrder::DayMonthYear);
    EXPECT_EQ(job.units.depth, " ft");

    job.clear();
    ASSERT_EQ(loadDepthFile(job, port, fixture("linewise.txt")).outcome, LoadOutcome::Loaded);
    EXPECT_EQ(job.dateOrder, DateOrder::YearMonthDay);
    EXPECT_EQ(job.units.depth, " ft");  // LineWise units only title the axes
    EXPECT_EQ(job.units.tension, "lb/ft");
}

TEST_F(DepthFileLoad, DepthFileCommandAsksForTheFileUnlessAProjectNamesIt) {
    port.paths = {std::nullopt};
    EXPECT_EQ(openDepthFile(job, port).outcome, LoadOutcome::Cancelled);
    EXPECT_EQ(port.textsOf(Kind::OpenFile), std::vector<std::string>{"Open a Depth File"});
    EXPECT_TRUE(port.commandsBalanced());

    job.flags.projectLoading = true;
    job.files.depth = fixture("qz_secs.dep");
    EXPECT_EQ(openDepthFile(job, port).outcome, LoadOutcome::Loaded);
    EXPECT_EQ(port.textsOf(Kind::OpenFile).size(), 1u);  // no second dialog
}

}  // namespace
}  // namespace veltrix
