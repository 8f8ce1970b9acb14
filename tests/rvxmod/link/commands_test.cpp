#include "rvxmod/link/commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "rvxmod/link/monitor_text.h"
#include "simulated_line.h"

namespace rvxmod::link {
namespace {

using testing::Bytes;
using testing::SimulatedLine;

Bytes lineBufferBytes(ToolLink& link, std::size_t count) {
    Bytes bytes(count);
    std::transform(link.lineBuffer().begin(), link.lineBuffer().begin() + count, bytes.begin(),
                   [](std::int32_t value) { return static_cast<std::uint8_t>(value); });
    return bytes;
}

void fillLineWriteBuffer(ToolLink& link, std::uint8_t first) {
    std::iota(link.lineWriteBuffer().begin(), link.lineWriteBuffer().end(), first);
}

class MemoryCommands : public ::testing::Test {
protected:
    Bytes payloadOfLastWrite() const { return testing::payloadOf(line.recorder.writes.back()); }
    SimulatedLine line{sim::demoScenario()};
};

TEST_F(MemoryCommands, LineWrittenIsReadBack) {
    fillLineWriteBuffer(line.link, 5);
    const MemoryAddress address{0, 2, 17, 99};
    ASSERT_TRUE(send_SetLine(line.link, address));
    ASSERT_TRUE(ReadLine(line.link, address));
    const auto& written = line.link.lineWriteBuffer();
    EXPECT_EQ(lineBufferBytes(line.link, kLineBytes), Bytes(written.begin(), written.end()));
    EXPECT_FALSE(line.link.receiver().responseOK());
}

TEST_F(MemoryCommands, FailedLineReadLeavesZeros) {
    line.link.lineBuffer().fill(7);
    EXPECT_FALSE(ReadLine(line.link, {1, 0, 0, 0}));  // no chip 1 in the demo memory
    EXPECT_EQ(lineBufferBytes(line.link, kLineBytes), Bytes(kLineBytes, 0));
    EXPECT_EQ(line.link.lineBuffer()[kLineBytes], 7);
}

TEST_F(MemoryCommands, BlockReadSucceedsAtBothRates) {
    fillLineWriteBuffer(line.link, 40);
    ASSERT_TRUE(send_SetLine(line.link, {0, 1, 9, 3}));
    const auto stored = line.simulator.flash().readBlock({0, 1, 9, 0});
    for (const int baud : {kUserBaud, kFallbackBaud}) {
        ASSERT_TRUE(line.port.setBaud(baud).ok());
        line.link.lineBuffer().fill(0);
        const Millis start = line.clock.now();
        ASSERT_TRUE(ReadBlock(line.link, {0, 1, 9, 0})) << baud;
        EXPECT_EQ(lineBufferBytes(line.link, kBlockDataSize), *stored) << baud;
        EXPECT_EQ(line.link.receiver().mode(), ReceiveMode::Ordinary);
        if (baud == kFallbackBaud) {
            EXPECT_GT(line.clock.now() - start, Millis{3000});
        }
    }
}

TEST_F(MemoryCommands, EraseTakesTheWholeGroupOfEightBlocks) {
    fillLineWriteBuffer(line.link, 0);
    for (const int block : {7, 8, 13, 15, 16}) {
        ASSERT_TRUE(send_SetLine(line.link, {0, 0, block, 0}));
    }
    ASSERT_TRUE(send_EraseBlocks(line.link, {0, 0, 13, 0}));
    EXPECT_EQ(payloadOfLastWrite(), (Bytes{1, 0, 8, 0}));
    for (const int block : {7, 8, 13, 15, 16}) {
        const auto bytes = line.simulator.flash().readLine({0, 0, block, 0});
        const bool erased =
            std::all_of(bytes->begin(), bytes->end(), [](std::uint8_t b) { return b == 0xFF; });
        EXPECT_EQ(erased, block >= 8 && block <= 15) << "block " << block;
    }
}

TEST_F(MemoryCommands, FormatIsAcknowledgedThenReportsEverySector) {
    line.link.receiver().setMode(ReceiveMode::Stream);
    ASSERT_TRUE(Send_Format(line.link));
    line.link.processFor(Millis{5000});
    EXPECT_EQ(line.link.receiver().frameCount(), line.simulator.flash().sectorsOf(0));
    line.link.receiver().setMode(ReceiveMode::Ordinary);
}

TEST_F(MemoryCommands, MemorySizeAndLiveDataAnswers) {
    ASSERT_TRUE(send_getMemorySize(line.link));
    const auto sizes = line.link.receiver().payload();
    EXPECT_TRUE(std::equal(sizes.begin(), sizes.end(), line.simulator.flash().sizeCodes().begin(),
                           line.simulator.flash().sizeCodes().end()));
    ASSERT_TRUE(send_GetData(line.link));
    std::size_t sampleBytes = 0;
    for (const auto& tool : line.simulator.tools()) sampleBytes += tool.sampleSize;
    EXPECT_EQ(line.link.receiver().payload().size(), sampleBytes);
}

TEST(ReceivedDataMonitor, SeesEveryByteAsUpperCaseHex) {
    EXPECT_EQ(receivedDataLine(Bytes{0x37, 0x0A, 0xFF, 0x00}), "370AFF00");
    SimulatedLine line(sim::demoScenario());
    line.simulator.setFaults({.split = 1});
    std::string seen;
    line.link.setMonitor(
        [&](std::span<const std::uint8_t> bytes) { seen += receivedDataLine(bytes); });
    ASSERT_TRUE(send_GetToolLength(line.link));
    Bytes lengths;
    for (const auto& tool : line.simulator.tools()) lengths.push_back(tool.length);
    EXPECT_EQ(seen, receivedDataLine(answerFrame(kGetToolLength, lengths)));
}

}  // namespace
}  // namespace rvxmod::link
