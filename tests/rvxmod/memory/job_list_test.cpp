#include "rvxmod/memory/job_list.h"

#include <gtest/gtest.h>

#include "rvxmod/sim/recorded_memory.h"
#include "tests/rvxmod/memory/flash_patterns.h"
#include "tests/rvxmod/memory/memory_line.h"

namespace rvxmod::testing {
namespace {

using Kind = rvx::testing::ScriptedUserPort::Kind;

TEST(JobList, RecordedDemoMemoryListsItsJobs) {
    MemoryLine line;
    const auto recorded = sim::recordScenarioJobs(sim::demoScenario(), line.flash());
    ASSERT_TRUE(memory::updateMemoryInfo(*line.link, line.toolString, line.buffers, line.user));
    const MemoryObj& memory = line.toolString.Memory;
    ASSERT_EQ(memory.Jobs.size(), recorded.size());
    for (std::size_t i = 0; i < recorded.size(); ++i) {
        EXPECT_EQ(memory.Jobs[i].StartBlock, recorded[i].first.block);
        EXPECT_EQ(memory.Jobs[i].EndBlock, recorded[i].last.block);
    }
    // The second job holds the bad block: it counts without being written.
    EXPECT_EQ(memory.Jobs[1].BlockCount, recorded[1].blocks + 1);
    EXPECT_GT(line.buffers.usagePercent, 0);
}

TEST(JobList, QuickConnectSkipsTheJobScan) {
    MemoryLine line;
    sim::recordScenarioJobs(sim::demoScenario(), line.flash());
    line.toolString.QuickConnect = true;
    ASSERT_TRUE(memory::updateMemoryInfo(*line.link, line.toolString, line.buffers, line.user));
    EXPECT_TRUE(line.toolString.Memory.Jobs.empty());
    EXPECT_TRUE(line.buffers.badBlocks.isBad(0, 0, 40));
}

TEST(EraseAllJobs, ErasesEveryJobAndKeepsTheReservedBlocks) {
    MemoryLine line({32, 32});
    fillReservedGroup(line.flash());
    sim::recordScenarioJobs(sim::demoScenario(), line.flash());
    const Bytes reserved0 = line.block(0, 0, 0);
    const Bytes reserved7 = line.block(0, 0, 7);
    fillBlock(line.flash(), {1, 1, 255, 0}, 4);
    line.user.answers = {true};

    ASSERT_TRUE(memory::eraseAllJobs(*line.link, line.toolString, line.buffers, line.user));

    EXPECT_EQ(line.block(0, 0, 0), reserved0);
    EXPECT_EQ(line.block(0, 0, 7), reserved7);
    EXPECT_EQ(line.block(0, 0, 8), Bytes(8192, 0xFF));
    EXPECT_EQ(line.block(1, 1, 255), Bytes(8192, 0xFF));
    EXPECT_TRUE(line.toolString.Memory.Jobs.empty());
    EXPECT_EQ(line.buffers.usagePercent, 0);
    // The bar's maximum counts all eight chip entries at chip 0's size.
    EXPECT_EQ(line.user.textsOf(Kind::Progress).back(), "1024/4096");
    EXPECT_TRUE(line.user.commandsBalanced());
}

TEST(EraseAllJobs, CancelOrNoMemoryModuleErasesNothing) {
    MemoryLine line;
    sim::recordScenarioJobs(sim::demoScenario(), line.flash());
    const Bytes before = line.block(0, 0, 8);
    EXPECT_FALSE(memory::eraseAllJobs(*line.link, line.toolString, line.buffers, line.user));
    line.toolString.MemoryPresent = false;
    EXPECT_FALSE(memory::eraseAllJobs(*line.link, line.toolString, line.buffers, line.user));
    EXPECT_EQ(line.block(0, 0, 8), before);
    EXPECT_EQ(
        line.user.textsOf(Kind::Warning),
        std::vector<std::string>{"There is no memory module present, cannot erase all jobs."});
}

TEST(JobInfo, ShowsStartAndEndPositions) {
    jobObj job;
    job.StartChip = 0;
    job.StartSector = 3;
    job.StartBlock = 250;
    job.EndChip = 1;
    job.EndSector = 0;
    job.EndBlock = 4;
    const auto cells = memory::jobInfoCells(job, 1);
    EXPECT_EQ(cells[0], (std::array<std::string, 3>{"Job 2", "Start", "End"}));
    EXPECT_EQ(cells[2], (std::array<std::string, 3>{" Sector: ", "3", "0"}));
    EXPECT_EQ(cells[3], (std::array<std::string, 3>{" Block:", "250", "4"}));
}

}  // namespace
}  // namespace rvxmod::testing
