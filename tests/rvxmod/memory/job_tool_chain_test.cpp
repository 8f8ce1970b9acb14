#include "rvxmod/memory/job_tool_chain.h"

#include <gtest/gtest.h>

#include <set>

#include "rvxmod/download/block_decoder.h"
#include "rvxmod/memory/job_scan.h"
#include "tests/rvxmod/memory/memory_line.h"
#include "tests/rvxmod/memory/recorded_jobs.h"

namespace rvxmod::testing {
namespace {

using Kind = rvx::testing::ScriptedUserPort::Kind;

struct RecordSizeCase {
    const char* name;
    std::vector<sim::RecordedTool> listed;
    std::size_t tools;
    int recordSize;
    int recordsPerBlock;
};

const RecordSizeCase kRecordSizes[] = {
    {"GaugeCclRtd", {kGauge, kCcl, kRtd}, 3, 20, 406},
    {"GaugeRtd", {kGauge, kRtd}, 2, 16, 508},
    {"SameToolListedTwice", {kGauge, kRtd, kGauge}, 2, 16, 508},
};

class JobToolChain : public ::testing::TestWithParam<RecordSizeCase> {};

TEST_P(JobToolChain, BuildsOneToolPerListedIdentity) {
    MemoryLine line;
    sim::JobRecorder(line.flash()).record(oneSegment(GetParam().listed, 1));
    ASSERT_TRUE(memory::queryMemModule_Jobs(*line.link, line.toolString.Memory,
                                            line.buffers.badBlocks, line.user));
    const jobObj& job = line.toolString.Memory.Jobs.at(0);
    EXPECT_EQ(job.Tools.size(), GetParam().tools);
    EXPECT_EQ(job.RecordSize, GetParam().recordSize);
    EXPECT_EQ(job.RecordsPerBlock, GetParam().recordsPerBlock);
}

INSTANTIATE_TEST_SUITE_P(Cases, JobToolChain, ::testing::ValuesIn(kRecordSizes),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(JobToolChainHeader, JobStartWithoutToolsIsCorrupt) {
    MemoryLine line;
    sim::JobRecorder(line.flash()).record(oneSegment({}, 0));
    Bytes data(64, 0x12);
    line.flash().writeLine({0, 0, 8, 3}, data);
    ASSERT_TRUE(memory::queryMemModule_Jobs(*line.link, line.toolString.Memory,
                                            line.buffers.badBlocks, line.user));
    EXPECT_TRUE(line.toolString.Memory.Jobs.at(0).Corrupt);
    EXPECT_EQ(line.user.textsOf(Kind::Warning),
              std::vector<std::string>{
                  "Missing header information for job 1. There may be corrupt data on this tool "
                  "at Chip:0 Sector: 0 Block:8, call for support"});
}

// Tools drop out of the job and come back; two come back in one header. Every block is brought
// up to date and decoded as the download does it: no record may be lost.
TEST(JobToolChainUpdate, ToolsJoiningMidJobKeepEveryRecord) {
    MemoryLine line;
    const std::vector<sim::JobSegment> segments{
        {{kRtd}, 900}, {{kGauge, kRtd, kCcl}, 2500}, {{kRtd}, 300}, {{kGauge, kRtd}, 500}};
    const auto recorded = sim::JobRecorder(line.flash()).record({segments, 0, 10});
    ASSERT_TRUE(recorded.has_value());
    ASSERT_TRUE(memory::queryMemModule_Jobs(*line.link, line.toolString.Memory,
                                            line.buffers.badBlocks, line.user));
    MemoryObj& memory = line.toolString.Memory;
    jobObj& job = memory.Jobs.at(0);
    SectorSamples samples;
    ResetDataArrays(job, samples);
    JobBlockDecoder decoder;
    std::vector<int> rejoined;
    for (int block = job.StartBlock; block <= job.EndBlock; ++block) {
        memory::JobBlock data;
        ASSERT_TRUE(memory::upDateJobToolChain(
            *line.link, memory, line.user, 0, 0, 0, block, data, [&](int index) {
                rejoined.push_back(index);
                samples.resetTool(static_cast<std::size_t>(index));
                return true;
            }));
        const std::set<int> distinct(data.headerOrder.begin(), data.headerOrder.end());
        EXPECT_EQ(distinct.size(), data.headerOrder.size());
        int expectedSize = 3;
        for (int index : data.headerOrder) {
            expectedSize += job.Tools[static_cast<std::size_t>(index)].DataLength + 1;
        }
        EXPECT_EQ(job.RecordSize, expectedSize);
        decoder.ProcessResponse_Download(data.bytes, data.headerOrder, job, samples);
    }
    EXPECT_EQ(job.JobSampleCount, 900 + 2500 + 300 + 500);
    // Gauge and CCL joined together in one header, each once.
    EXPECT_EQ(job.Tools.size(), 3U);
    EXPECT_EQ(rejoined, (std::vector<int>{1, 2}));
    // The gauge has samples exactly while it was in the string.
    const auto gauge = static_cast<std::size_t>(getIndexInChain(kRarodIdirura, 201, job.Tools));
    for (const auto& [sample, inString] : std::vector<std::pair<std::size_t, bool>>{{899, false},
                                                                                    {900, true},
                                                                                    {3399, true},
                                                                                    {3400, false},
                                                                                    {3699, false},
                                                                                    {3700, true},
                                                                                    {4199, true}}) {
        EXPECT_EQ(samples.at(gauge, sample).raw1 != kMissingValue, inString) << sample;
    }
}

}  // namespace
}  // namespace rvxmod::testing
