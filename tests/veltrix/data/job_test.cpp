#include "veltrix/data/job.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/scripted_user_port.h"
#include "veltrix/data/value_prompt.h"

namespace veltrix {
namespace {

using Kind = rvx::testing::ScriptedUserPort::Kind;

DataSet pointsOf(std::vector<double> x, std::vector<double> y) {
    return DataSet(makeColumn(std::move(x)), makeColumn(std::move(y)));
}

// A job with depth data in feet and pressure data, as after two loads.
Job loadedJob() {
    Job job;
    DepthColumns depth;
    depth.time = makeColumn({1.0, 2.0});
    depth.depth = makeColumn({100.0, 200.0});
    depth.speed = makeColumn({0.0, 0.0});
    showDepthColumns(job.data, depth);
    job.data.Pressure = pointsOf({1.0}, {5000.0});
    job.files.depth = "/data/run.dep";
    job.files.pressure = "/data/run.prs";
    job.starts.depthFile = job.starts.depthCurrent = 45000.5;
    job.units.pressure = "psi";
    job.trackerSerial = "TRK-1";
    job.counts.depth = job.counts.largest = 2;
    job.flags.emptyJob = false;
    job.flags.dataLoaded = true;
    job.flags.rvxLoaded = true;
    job.cclGain = 0.2;
    job.dateOrder = DateOrder::DayMonthYear;
    return job;
}

struct LoadOnceCase {
    const char* loaded;
    DataSet JobDataSets::*set;
    std::vector<DataKind> refused;
};

class LoadOnceRule : public ::testing::TestWithParam<LoadOnceCase> {};

TEST_P(LoadOnceRule, RefusesExactlyTheKindsThatShareTheDataSets) {
    Job job;
    job.data.*GetParam().set = pointsOf({1.0}, {2.0});
    for (const DataKind kind :
         {DataKind::Depth, DataKind::Pressure, DataKind::Ccl, DataKind::Spinner, DataKind::Rvx}) {
        rvx::testing::ScriptedUserPort port;
        const bool refused =
            std::ranges::find(GetParam().refused, kind) != GetParam().refused.end();
        EXPECT_EQ(admitLoad(job, kind, port), !refused)
            << GetParam().loaded << " then kind " << static_cast<int>(kind);
        EXPECT_EQ(port.textsOf(Kind::Warning).size(), refused ? 1u : 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, LoadOnceRule,
    ::testing::Values(
        LoadOnceCase{"Depth", &JobDataSets::Depth, {DataKind::Depth}},
        LoadOnceCase{"Pressure", &JobDataSets::Pressure, {DataKind::Pressure, DataKind::Rvx}},
        LoadOnceCase{"Temperature", &JobDataSets::Temperature, {DataKind::Pressure, DataKind::Rvx}},
        LoadOnceCase{"CCL", &JobDataSets::CCL, {DataKind::Ccl, DataKind::Rvx}},
        LoadOnceCase{"BHT", &JobDataSets::BHT, {DataKind::Ccl, DataKind::Rvx}},
        LoadOnceCase{"Spinner", &JobDataSets::Spinner, {DataKind::Spinner, DataKind::Rvx}}));

TEST(Job, RefusalShowsTheClearMessage) {
    Job job = loadedJob();
    rvx::testing::ScriptedUserPort port;
    EXPECT_FALSE(admitLoad(job, DataKind::Depth, port));
    EXPECT_EQ(port.textsOf(Kind::Warning),
              std::vector<std::string>{
                  "You must Clear all previously opened files before opening a new one."});
}

TEST(Job, ClearAnsweredNoChangesNothing) {
    Job job = loadedJob();
    rvx::testing::ScriptedUserPort port;
    port.answers = {false};
    EXPECT_FALSE(clearJob(job, port));
    EXPECT_EQ(port.textsOf(Kind::YesNo),
              std::vector<std::string>{"Do you really want to Close all open Graphs?"});
    EXPECT_EQ(job.data.Depth.size(), 2u);
    EXPECT_EQ(job.data.Pressure.size(), 1u);
    EXPECT_EQ(job.files.depth, "/data/run.dep");
    EXPECT_EQ(job.counts.depth, 2u);
    EXPECT_TRUE(job.flags.dataLoaded);
    EXPECT_FALSE(job.flags.emptyJob);
}

TEST(Job, ClearAnsweredYesEmptiesTheDataAndKeepsTheUsersChoices) {
    Job job = loadedJob();
    rvx::testing::ScriptedUserPort port;
    port.answers = {true};
    ASSERT_TRUE(clearJob(job, port));
    EXPECT_TRUE(job.data.Depth.empty());
    EXPECT_TRUE(job.data.Speed_b.empty());
    EXPECT_TRUE(job.data.Pressure.empty());
    EXPECT_TRUE(job.files.depth.empty());
    EXPECT_TRUE(job.files.pressure.empty());
    EXPECT_EQ(job.starts.depthFile, 0.0);
    EXPECT_EQ(job.starts.depthCurrent, 0.0);
    EXPECT_TRUE(job.units.pressure.empty());
    EXPECT_TRUE(job.trackerSerial.empty());
    EXPECT_EQ(job.counts.depth, 0u);
    EXPECT_EQ(job.counts.largest, 0u);
    EXPECT_TRUE(job.flags.emptyJob);
    EXPECT_FALSE(job.flags.dataLoaded);
    EXPECT_TRUE(job.flags.rvxLoaded);  // lowered only at start-up
    EXPECT_DOUBLE_EQ(job.cclGain, 0.2);
    EXPECT_EQ(job.dateOrder, DateOrder::DayMonthYear);
    EXPECT_TRUE(admitLoad(job, DataKind::Depth, port));
}

TEST(Job, MetersRelabelsWithoutConvertingAndFeetRestores) {
    Job job = loadedJob();
    job.setDepthUnits(DepthUnitSystem::Meters);
    EXPECT_EQ(job.units.depth, " m");
    EXPECT_EQ(job.units.speed, "m/min");
    EXPECT_EQ(job.units.tension, "lb/m");
    EXPECT_EQ(job.data.Depth.ys()[1], 200.0);
    EXPECT_EQ(job.units.pressure, "psi");
    job.setDepthUnits(DepthUnitSystem::Feet);
    EXPECT_EQ(job.units.depth, " ft");
    EXPECT_EQ(job.units.speed, "ft/min");
    EXPECT_EQ(job.units.tension, "lb/ft");
}

TEST(Job, DateFormatPatternFollowsOrderAndLocaleSeparator) {
    Job job;
    EXPECT_EQ(job.dateFormatPattern(), "yyyy/mm/dd");
    job.locale.dateSeparator = '.';
    job.dateOrder = DateOrder::MonthDayYear;
    EXPECT_EQ(job.dateFormatPattern(), "mm.dd.yyyy");
    job.dateOrder = DateOrder::DayMonthYear;
    EXPECT_EQ(job.dateFormatPattern(), "dd.mm.yyyy");
}

TEST(ValuePrompt, ProposesThreeDecimalsAndAnswersFalseOnCancel) {
    rvx::testing::ScriptedUserPort port;
    port.texts = {std::string("0,2"), std::nullopt};
    EXPECT_EQ(promptValue(port, "Enter new CCL Gain value.", 0.05, ','), "0,2");
    EXPECT_EQ(promptValue(port, "Enter new CCL Gain value.", 0.05, ','), kPromptCancelled);
    EXPECT_EQ(kPromptCancelled, "FALSE");
}

}  // namespace
}  // namespace veltrix
