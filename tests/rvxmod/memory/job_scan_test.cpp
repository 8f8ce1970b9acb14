#include "rvxmod/memory/job_scan.h"

#include <gtest/gtest.h>

#include <functional>

#include "rvxmod/memory/job_list.h"
#include "rvxmod/memory/memory_usage.h"
#include "rvxmod/sim/bad_block_table.h"
#include "tests/rvxmod/memory/memory_line.h"
#include "tests/rvxmod/memory/recorded_jobs.h"

namespace rvxmod::testing {
namespace {

using Kind = rvx::testing::ScriptedUserPort::Kind;

struct Position {
    int chip, sector, block;
    bool operator==(const Position&) const = default;
};

struct ExpectedJob {
    Position start, end;
    int blockCount;
    bool corrupt;
    int recordSize;
};

struct ScanCase {
    const char* name;
    std::array<std::uint8_t, sim::kChipSlots> chips;
    std::function<void(sim::FlashImage&)> record;
    std::vector<ExpectedJob> jobs;
    Position firstErased;  // where the usage bar stops
};

const std::vector<sim::RecordedTool> kThree{kGauge, kCcl, kRtd};

void writeContinuationBlock(sim::FlashImage& flash, int block) {
    Bytes line(64, 0x00);
    line[0] = 0x37;
    line[16] = kCCL;
    flash.writeLine({0, 0, block, 0}, line);
}

const ScanCase kCases[] = {
    {"EmptyMemory", {64}, [](sim::FlashImage&) {}, {}, {0, 0, 8}},
    {"TwoJobsAcrossASector",
     {64},
     [](sim::FlashImage& flash) {
         sim::JobRecorder recorder(flash);
         recorder.record(oneSegment(kThree, samplesFilling(248, kThree)));
         recorder.record(oneSegment(kThree, samplesFilling(3, kThree)));
     },
     {{{0, 0, 8}, {0, 0, 255}, 248, false, 20}, {{0, 1, 0}, {0, 1, 2}, 3, false, 20}},
     {0, 1, 3}},
    {"TwoJobsAcrossAChip",
     {32, 32},
     [](sim::FlashImage& flash) {
         sim::JobRecorder recorder(flash);
         recorder.record(oneSegment(kThree, samplesFilling(248 + 255, kThree)));
         recorder.record(oneSegment(kThree, samplesFilling(2, kThree)));
     },
     // The last block of chip 0 holds no data but lies inside the first job's span.
     {{{0, 0, 8}, {0, 1, 255}, 504, false, 20}, {{1, 0, 0}, {1, 0, 1}, 2, false, 20}},
     {1, 0, 2}},
    {"BadBlockInsideAJob",
     {64},
     [](sim::FlashImage& flash) {
         flash.markBad({0, 0, 12, 0});
         sim::writeBadBlockTable(flash);
         sim::JobRecorder recorder(flash);
         recorder.record(oneSegment({kGauge, kRtd}, samplesFilling(10, {kGauge, kRtd})));
     },
     {{{0, 0, 8}, {0, 0, 18}, 11, false, 16}},
     {0, 0, 19}},
    {"DataBeforeTheFirstJobStart",
     {64},
     [](sim::FlashImage& flash) {
         writeContinuationBlock(flash, 8);
         writeContinuationBlock(flash, 9);
         sim::JobRecorder(flash, {0, 0, 10, 0}).record(oneSegment(kThree, 1));
     },
     {{{0, 0, 8}, {0, 0, 9}, 2, true, 0}, {{0, 0, 10}, {0, 0, 10}, 1, false, 20}},
     {0, 0, 11}},
};

class MemoryScan : public ::testing::TestWithParam<ScanCase> {};

TEST_P(MemoryScan, FindsTheRecordedJobs) {
    const ScanCase& scanCase = GetParam();
    MemoryLine line(scanCase.chips);
    scanCase.record(line.flash());
    ASSERT_TRUE(
        memory::getBBT(*line.link, line.toolString.Memory, line.buffers.badBlocks, line.user));
    const auto usage = memory::queryMemModule_Jobs(*line.link, line.toolString.Memory,
                                                   line.buffers.badBlocks, line.user);
    ASSERT_TRUE(usage.has_value());
    const MemoryObj& memory = line.toolString.Memory;
    ASSERT_EQ(memory.JobCount, static_cast<int>(scanCase.jobs.size()));
    for (std::size_t i = 0; i < scanCase.jobs.size(); ++i) {
        SCOPED_TRACE(i);
        const jobObj& job = memory.Jobs[i];
        const ExpectedJob& expected = scanCase.jobs[i];
        EXPECT_EQ((Position{job.StartChip, job.StartSector, job.StartBlock}), expected.start);
        EXPECT_EQ((Position{job.EndChip, job.EndSector, job.EndBlock}), expected.end);
        EXPECT_EQ(job.BlockCount, expected.blockCount);
        EXPECT_EQ(job.Corrupt, expected.corrupt);
        EXPECT_EQ(job.RecordSize, expected.recordSize);
    }
    const Position& erased = scanCase.firstErased;
    const int expectedUsage =
        scanCase.jobs.empty()
            ? 0
            : memory::calculateMemUsage(memory, erased.chip, erased.sector, erased.block);
    EXPECT_EQ(*usage, expectedUsage);
}

INSTANTIATE_TEST_SUITE_P(Cases, MemoryScan, ::testing::ValuesIn(kCases),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(MemoryScanGrid, CorruptFirstJobShowsNotAvailableAndIsReported) {
    MemoryLine line;
    writeContinuationBlock(line.flash(), 8);
    sim::JobRecorder(line.flash(), {0, 0, 9, 0}).record(oneSegment(kThree, 1000));
    ASSERT_TRUE(memory::queryMemModule_Jobs(*line.link, line.toolString.Memory,
                                            line.buffers.badBlocks, line.user));
    const memory::JobGrid grid = memory::jobGridOf(line.toolString.Memory, line.user);
    ASSERT_EQ(grid.rows.size(), 2U);
    EXPECT_EQ(grid.rows[0].samples, "N/A");
    const jobObj& second = line.toolString.Memory.Jobs[1];
    EXPECT_EQ(grid.rows[1].samples, std::to_string(406 * second.BlockCount));
    EXPECT_EQ(line.user.textsOf(Kind::Error),
              std::vector<std::string>{"Job 1 is corrupt. Cannot display job."});
}

TEST(MemoryScanGrid, EmptyMemoryShowsNone) {
    MemoryLine line;
    ASSERT_TRUE(memory::queryMemModule_Jobs(*line.link, line.toolString.Memory,
                                            line.buffers.badBlocks, line.user));
    const memory::JobGrid grid = memory::jobGridOf(line.toolString.Memory, line.user);
    ASSERT_EQ(grid.rows.size(), 1U);
    EXPECT_EQ(grid.rows[0].number, "None");
    EXPECT_EQ(grid.rowCount, 6);
}

TEST(MemoryScanGrid, UnreadableHeaderEndsTheScanWithFalse) {
    MemoryLine line;
    sim::JobRecorder(line.flash()).record(oneSegment(kThree, 100));
    line.lossy->lose = [](std::uint8_t code) { return code == link::kReadLine; };
    EXPECT_FALSE(memory::queryMemModule_Jobs(*line.link, line.toolString.Memory,
                                             line.buffers.badBlocks, line.user));
}

}  // namespace
}  // namespace rvxmod::testing
