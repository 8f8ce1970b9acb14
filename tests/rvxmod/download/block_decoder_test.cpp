#include "rvxmod/download/block_decoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "rvxmod/model/tool_types.h"
#include "tests/rvxmod/download/recorded_blocks.h"

namespace rvxmod {
namespace {

using testing::Bytes;

// A job recorded by a Piezo (tool 0) and a CCL (tool 1); record size 3 + 7 + 4 = 14.
class BlockDecoderTest : public ::testing::Test {
protected:
    BlockDecoderTest() {
        job.Tools = {makeJobTool(kPiezo, 123), makeJobTool(kCCL, 7)};
        job.RecordSize = 14;
        samples.reset(job.Tools.size());
    }

    static Bytes piezoCclRecord(std::uint16_t counter, std::uint32_t value) {
        return testing::record(
            counter, {testing::piezoGroup(value, value + 1), testing::cclGroup(value + 2)});
    }

    BlockEnd decode(const Bytes& block, const std::vector<int>& order) {
        return decoder.ProcessResponse_Download(block, order, job, samples);
    }

    jobObj job;
    SectorSamples samples;
    JobBlockDecoder decoder;
    const std::vector<int> both{0, 1};
};

TEST_F(BlockDecoderTest, RecordsGetTheirValuesAndTimesFromTheBlockTimeWord) {
    Bytes stream = piezoCclRecord(10, 100);
    const Bytes second = piezoCclRecord(65535, 200);
    const Bytes third = piezoCclRecord(3, 300);  // the counter wrapped: one more 65536 tenths
    stream.insert(stream.end(), second.begin(), second.end());
    stream.insert(stream.end(), third.begin(), third.end());

    EXPECT_EQ(decode(testing::blocksOf(stream, 2).front(), both), BlockEnd::DataEnded);

    ASSERT_EQ(samples.sampleCount(), 3u);
    EXPECT_EQ(job.SamplesDecoded, 3);
    EXPECT_EQ(job.JobSampleCount, 3);
    const std::int64_t expectedTimes[] = {2 * 65536 + 10, 2 * 65536 + 65535, 3 * 65536 + 3};
    for (std::size_t i = 0; i < 3; ++i) {
        const std::int32_t value = static_cast<std::int32_t>(100 * (i + 1));
        EXPECT_EQ(samples.at(0, i).raw1, value);
        EXPECT_EQ(samples.at(0, i).raw2, value + 1);
        EXPECT_EQ(samples.at(1, i).ccl, value + 2);
        EXPECT_EQ(samples.at(0, i).time, expectedTimes[i]);
        EXPECT_EQ(samples.at(1, i).time, expectedTimes[i]);
    }
}

TEST_F(BlockDecoderTest, RecordCutByTheBlockEndIsFinishedWithTheNextBlock) {
    Bytes stream;
    const std::size_t whole = 580;  // 580 * 14 = 8120 of 8128 data bytes: the 581st is cut
    for (std::size_t i = 0; i < whole + 2; ++i) {
        const Bytes r = piezoCclRecord(static_cast<std::uint16_t>(60000 + i), 1000 + i);
        stream.insert(stream.end(), r.begin(), r.end());
    }
    auto blocks = testing::blocksOf(stream, 0);
    ASSERT_EQ(blocks.size(), 2u);
    blocks[1][2] = 1;  // the next block has a new time word

    EXPECT_EQ(decode(blocks[0], both), BlockEnd::BlockDone);
    EXPECT_EQ(samples.sampleCount(), whole);
    EXPECT_EQ(decode(blocks[1], both), BlockEnd::DataEnded);
    ASSERT_EQ(samples.sampleCount(), whole + 2);
    EXPECT_EQ(job.JobSampleCount, static_cast<std::int32_t>(whole + 2));

    // The cut record keeps the first block's time base: counter 60580 after 60579, no wrap.
    EXPECT_EQ(samples.at(0, whole).raw1, 1580);
    EXPECT_EQ(samples.at(1, whole).ccl, 1582);
    EXPECT_EQ(samples.at(0, whole).time, 60580);
    // The record after it is timed by the second block's word.
    EXPECT_EQ(samples.at(0, whole + 1).time, 65536 + 60581);
}

TEST_F(BlockDecoderTest, CutRecordBelongsToTheToolsOfTheBlockItBeganIn) {
    Bytes stream;
    for (std::uint32_t i = 0; i < 581; ++i) {
        const Bytes r = piezoCclRecord(static_cast<std::uint16_t>(i + 1), i);
        stream.insert(stream.end(), r.begin(), r.end());
    }
    auto blocks = testing::blocksOf(stream, 0);
    ASSERT_EQ(blocks.size(), 2u);
    decode(blocks[0], both);

    // The next block lists only the CCL, so its records are 3 + 4 bytes; the Piezo left the
    // string, yet the cut record still carries its values.
    job.RecordSize = 7;
    const Bytes cclOnly = testing::record(900, {testing::cclGroup(77)});
    std::copy(cclOnly.begin(), cclOnly.end(), blocks[1].begin() + 64 + 6);
    EXPECT_EQ(decode(blocks[1], std::vector<int>{1}), BlockEnd::DataEnded);

    ASSERT_EQ(samples.sampleCount(), 582u);
    EXPECT_EQ(samples.at(0, 580).raw1, 580);
    EXPECT_EQ(samples.at(0, 580).raw2, 581);
    EXPECT_EQ(samples.at(1, 580).ccl, 582);
    EXPECT_EQ(samples.at(0, 581).raw1, kMissingValue);
    EXPECT_EQ(samples.at(0, 581).time, 0);
    EXPECT_EQ(samples.at(1, 581).ccl, 77);
    EXPECT_EQ(samples.at(1, 581).time, 900);
}

TEST_F(BlockDecoderTest, ForeignLengthBytesAreSkippedAndBadFramingStopsTheBlock) {
    Bytes stream = piezoCclRecord(1, 10);
    const Bytes filler{2, 0xEE, 0xEE};  // length byte 2: three bytes that are not a record
    stream.insert(stream.end(), filler.begin(), filler.end());
    const Bytes after = piezoCclRecord(2, 20);
    stream.insert(stream.end(), after.begin(), after.end());
    EXPECT_EQ(decode(testing::blocksOf(stream, 0).front(), both), BlockEnd::DataEnded);
    ASSERT_EQ(samples.sampleCount(), 2u);
    EXPECT_EQ(samples.at(1, 1).ccl, 22);

    // A length byte that runs past the block's end ends the block without a carried record.
    Bytes block = testing::blocksOf(piezoCclRecord(3, 30), 0).front();
    std::fill(block.begin() + 64 + 14, block.end(), 0x00);  // one-byte gaps, skipped one by one
    block.back() = 0x30;  // length 49 would run past the block's end
    EXPECT_EQ(decode(block, both), BlockEnd::Unframed);
    EXPECT_EQ(decode(testing::blocksOf(piezoCclRecord(4, 40), 0).front(), both),
              BlockEnd::DataEnded);
    EXPECT_EQ(samples.sampleCount(), 4u);
}

TEST_F(BlockDecoderTest, AToolWithoutDecoderEndsTheBlock) {
    job.Tools.push_back(makeJobTool(42, 1));  // unrecognised: one byte per sample
    job.RecordSize = 15;
    Bytes stream = testing::record(5, {testing::piezoGroup(1, 2), Bytes{0}, testing::cclGroup(3)});
    const Bytes again = stream;
    stream.insert(stream.end(), again.begin(), again.end());
    EXPECT_EQ(decode(testing::blocksOf(stream, 0).front(), std::vector<int>{0, 2, 1}),
              BlockEnd::Undecodable);
    // The record is counted and the tool after the unknown one, decoded first from the end, kept.
    ASSERT_EQ(samples.sampleCount(), 1u);
    EXPECT_EQ(samples.at(1, 0).ccl, 3);
    EXPECT_EQ(samples.at(0, 0).raw1, kMissingValue);
}

TEST_F(BlockDecoderTest, ToolListThatDoesNotFillTheRecordDecodesNothing) {
    const Bytes block = testing::blocksOf(Bytes(20, 0x00), 0).front();  // length bytes 0
    job.RecordSize = 1;
    EXPECT_EQ(decode(block, both), BlockEnd::Undecodable);
    job.RecordSize = 14;
    const std::vector<int> outOfString{0, 5};
    EXPECT_EQ(decode(testing::blocksOf(piezoCclRecord(1, 1), 0).front(), outOfString),
              BlockEnd::Undecodable);
    EXPECT_EQ(samples.sampleCount(), 0u);
    EXPECT_EQ(job.JobSampleCount, 0);
}

}  // namespace
}  // namespace rvxmod
