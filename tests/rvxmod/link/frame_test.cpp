#include "rvxmod/link/frame.h"

#include <gtest/gtest.h>

#include <vector>

#include "rvxmod/link/commands.h"

namespace rvxmod::link {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes sealed(CommandBuffer& buffer, std::uint8_t code, const Bytes& payload,
             std::uint8_t fill = 0xFF) {
    const auto frame = buffer.frame(buffer.seal(buffer.build(code, payload, fill)));
    return {frame.begin(), frame.end()};
}

TEST(RequestFrame, HeaderLengthPayloadAndTrailerXor) {
    CommandBuffer buffer;
    EXPECT_EQ(sealed(buffer, 0x00, {}), (Bytes{0xFF, 0xFF, 0x37, 0x00, 0x00, 0x00}));
    EXPECT_EQ(buffer.expectedCode(), 0x00);
    // Trailer: 04 ^ 01 ^ 02 ^ 03 ^ 00; the code is not part of it.
    EXPECT_EQ(sealed(buffer, 0x0B, {0x01, 0x02, 0x03, 0x00}),
              (Bytes{0xFF, 0xFF, 0x37, 0x0B, 0x04, 0x01, 0x02, 0x03, 0x00, 0x04}));
    EXPECT_EQ(buffer.expectedCode(), 0x0B);
}

TEST(RequestFrame, LineWriteSaysSixtyFourAndSendsSixtyEightBytes) {
    CommandBuffer buffer;
    const Bytes payload(kSetLinePayloadSize, 0x10);
    const Bytes frame = sealed(buffer, kSetLineCode, payload, 0xAA);
    ASSERT_EQ(frame.size(), 6 + kSetLinePayloadSize);
    EXPECT_EQ(frame[4], 64);
    EXPECT_EQ(frame.back(), 64);  // 68 equal bytes cancel out, leaving the length byte
}

TEST(AnswerFrame, CheckByteMakesTheXorFromTheLengthZero) {
    const Bytes one = answerFrame(0x02, Bytes{0x1E, 0x24});
    EXPECT_EQ(one, (Bytes{0x37, 0x02, 0x02, 0x1E, 0x24, 0x38}));
    const Bytes seven = answerFrame(7, Bytes(300, 0x01));
    EXPECT_EQ(seven[2], 0x01);
    EXPECT_EQ(seven[3], 0x2C);
    EXPECT_EQ(xorOf(std::span(seven).subspan(2)), 0);
    const Bytes block = blockAnswerFrame(Bytes(kBlockDataSize, 0xA5));
    EXPECT_EQ(block.size(), kBlockAnswerSize);
    EXPECT_EQ(xorOf(std::span(block).subspan(2)), 0);
}

TEST(RequestAssembler, FindsFramesAmongNoiseAndDropsBadTrailers) {
    CommandBuffer buffer;
    const Bytes identify = sealed(buffer, 0x00, {});
    const Bytes readLine = sealed(buffer, 0x0B, {0x80, 0x01, 0x02, 0x03});
    Bytes badLine = readLine;
    badLine.back() ^= 0x40;
    Bytes stream{0x00, 0xFF, 0x37};
    for (const Bytes& part : {identify, badLine, readLine}) {
        stream.insert(stream.end(), part.begin(), part.end());
    }
    RequestAssembler assembler;
    std::vector<Request> requests;
    for (const std::uint8_t byte : stream) {
        for (Request& request : assembler.feed(std::span(&byte, 1))) requests.push_back(request);
    }
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].code, 0x00);
    EXPECT_TRUE(requests[0].payload.empty());
    EXPECT_EQ(requests[1].code, 0x0B);
    EXPECT_EQ(requests[1].payload, (Bytes{0x80, 0x01, 0x02, 0x03}));
}

TEST(MemoryAddress, ChipIsSentOneHot) {
    EXPECT_EQ(addressBytes({0, 1, 2, 3}), (std::array<std::uint8_t, 4>{1, 1, 2, 3}));
    EXPECT_EQ(addressBytes({7, 7, 255, 127})[0], 128);
}

TEST(BlockReadTimeout, CoversTheTransferAtEveryRate) {
    EXPECT_EQ(blockReadTimeout(kUserBaud), Millis{3000});
    const Millis transferAt19200{kBlockAnswerSize * 10 * 1000 / kFallbackBaud};
    EXPECT_GT(blockReadTimeout(kFallbackBaud), transferAt19200);
}

}  // namespace
}  // namespace rvxmod::link
