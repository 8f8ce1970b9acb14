#include "rvxmod/link/receiver.h"

#include <gtest/gtest.h>

#include <vector>

#include "rvxmod/link/frame.h"
#include "rvxmod/link/port.h"

namespace rvxmod::link {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Identification answer of one tool: type 6, serial 0x00C9; check = 03^06^00^C9.
const Bytes kIdentification{0x37, 0x00, 0x03, 0x06, 0x00, 0xC9, 0xCC};

Bytes joined(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes withByteFlipped(Bytes bytes, std::size_t index) {
    bytes[index] ^= 0x01;
    return bytes;
}

struct OrdinaryCase {
    const char* name;
    int baud;
    std::uint8_t expectedCode;
    std::vector<Bytes> chunks;  // one data-received event each
    bool accepted;
    Bytes payload;
};

class OrdinaryAnswers : public ::testing::TestWithParam<OrdinaryCase> {};

TEST_P(OrdinaryAnswers, AreAcceptedOrRejected) {
    const OrdinaryCase& c = GetParam();
    Receiver receiver;
    receiver.startCommand(c.expectedCode, c.baud);
    for (const Bytes& chunk : c.chunks) receiver.feed(chunk);
    EXPECT_EQ(receiver.responseOK(), c.accepted);
    const auto payload = receiver.payload();
    EXPECT_EQ(Bytes(payload.begin(), payload.end()), c.payload);
}

const Bytes kIdPayload{0x06, 0x00, 0xC9};
const Bytes kEmptyId{0x37, 0x00, 0x00, 0x00};
const Bytes kEmptyConnect{0x37, 0x06, 0x00, 0x00};
const Bytes kLengths{0x37, 0x02, 0x02, 0x1E, 0x24, 0x38};

INSTANTIATE_TEST_SUITE_P(
    Streams, OrdinaryAnswers,
    ::testing::Values(
        OrdinaryCase{"whole", kUserBaud, 0x00, {kIdentification}, true, kIdPayload},
        OrdinaryCase{"byte_by_byte",
                     kUserBaud,
                     0x00,
                     {{0x37}, {0x00}, {0x03}, {0x06}, {0x00}, {0xC9}, {0xCC}},
                     true,
                     kIdPayload},
        OrdinaryCase{"split_in_header",
                     kUserBaud,
                     0x00,
                     {{0x37, 0x00}, {0x03, 0x06, 0x00, 0xC9, 0xCC}},
                     true,
                     kIdPayload},
        OrdinaryCase{"leading_noise",
                     kUserBaud,
                     0x00,
                     {joined({{0x00, 0xFF, 0x12}, kIdentification})},
                     true,
                     kIdPayload},
        OrdinaryCase{
            "bad_check", kUserBaud, 0x00, {withByteFlipped(kIdentification, 6)}, false, {}},
        OrdinaryCase{
            "bad_payload_byte", kUserBaud, 0x00, {withByteFlipped(kIdentification, 4)}, false, {}},
        OrdinaryCase{"wrong_code", kUserBaud, 0x02, {kIdentification}, false, {}},
        OrdinaryCase{"good_after_bad",
                     kUserBaud,
                     0x00,
                     {withByteFlipped(kIdentification, 6), kIdentification},
                     true,
                     kIdPayload},
        OrdinaryCase{"incomplete",
                     kUserBaud,
                     0x00,
                     {Bytes(kIdentification.begin(), kIdentification.end() - 1)},
                     false,
                     {}},
        OrdinaryCase{"empty_identification_at_19200", kFallbackBaud, 0x00, {kEmptyId}, false, {}},
        OrdinaryCase{"empty_identification_at_230400", kUserBaud, 0x00, {kEmptyId}, true, {}},
        OrdinaryCase{"empty_connect_at_230400", kUserBaud, 0x06, {kEmptyConnect}, false, {}},
        OrdinaryCase{"empty_connect_at_19200", kFallbackBaud, 0x06, {kEmptyConnect}, true, {}},
        OrdinaryCase{"lengths_at_19200", kFallbackBaud, 0x02, {kLengths}, true, {0x1E, 0x24}},
        OrdinaryCase{"two_byte_length_of_code_7",
                     kUserBaud,
                     0x07,
                     {{0x37, 0x07, 0x00, 0x02, 0xAA, 0xBB, 0x13}},
                     true,
                     {0xAA, 0xBB}},
        OrdinaryCase{"oversize_declared_length_dropped",
                     kUserBaud,
                     0x00,
                     {{0x37, 0x07, 0xFF, 0xFF}, Bytes(20000, 0x11), kIdentification},
                     true,
                     kIdPayload}),
    [](const ::testing::TestParamInfo<OrdinaryCase>& param) {
        return std::string(param.param.name);
    });

TEST(Receiver, KeepsTheAcceptedAnswerWhenMoreBytesFollow) {
    Receiver receiver;
    receiver.startCommand(0x00, kUserBaud);
    receiver.feed(joined({kIdentification, {0x37, 0x00, 0x03, 0x01, 0x02, 0x03, 0x03}}));
    ASSERT_TRUE(receiver.responseOK());
    const auto payload = receiver.payload();
    EXPECT_EQ(Bytes(payload.begin(), payload.end()), kIdPayload);
}

TEST(Receiver, PartialAnswerBeforeASendDoesNotSpoilTheNextAnswer) {
    Receiver receiver;
    receiver.startCommand(0x00, kUserBaud);
    receiver.feed(Bytes{0x37, 0x00, 0x03, 0x06, 0x00});  // the rest never came
    receiver.startCommand(0x00, kUserBaud);
    receiver.feed(kIdentification);
    EXPECT_TRUE(receiver.responseOK());
}

Bytes blockWith(std::uint8_t seed) {
    Bytes data(kBlockDataSize);
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(i * seed);
    return data;
}

TEST(Receiver, AssemblesAGoodBlockAnswerInPieces) {
    const Bytes data = blockWith(7);
    const Bytes frame = joined({{0x55, 0x00}, blockAnswerFrame(data)});
    Receiver receiver;
    receiver.setMode(ReceiveMode::BlockRead);
    receiver.startCommand(kBlockReadCode, kFallbackBaud);
    for (std::size_t at = 0; at < frame.size(); at += 1000) {
        receiver.feed(std::span(frame).subspan(at, std::min<std::size_t>(1000, frame.size() - at)));
    }
    ASSERT_TRUE(receiver.responseOK());
    EXPECT_EQ(Bytes(receiver.blockData().begin(), receiver.blockData().end()), data);
}

TEST(Receiver, RefusesABlockAnswerWithABadCheck) {
    Bytes frame = blockAnswerFrame(blockWith(3));
    for (const std::size_t corrupted : {std::size_t{2}, std::size_t{4000}, frame.size() - 1}) {
        Receiver receiver;
        receiver.setMode(ReceiveMode::BlockRead);
        receiver.startCommand(kBlockReadCode, kUserBaud);
        receiver.feed(withByteFlipped(frame, corrupted));
        EXPECT_FALSE(receiver.responseOK()) << "byte " << corrupted;
    }
}

TEST(Receiver, CountsProgressFramesAfterTheFormatAcknowledgement) {
    Receiver receiver;
    receiver.setMode(ReceiveMode::Stream);
    receiver.startCommand(0x0E, kUserBaud);
    receiver.feed(answerFrame(0x0E, {}));
    EXPECT_TRUE(receiver.streamAcknowledged());
    const Bytes progress = answerFrame(0x0E, Bytes{0x00, 0x01});
    receiver.feed(joined({progress, progress}));
    EXPECT_EQ(receiver.frameCount(), 2);
    EXPECT_TRUE(receiver.takeFrameReceived());
    EXPECT_FALSE(receiver.takeFrameReceived());

    receiver.feed(withByteFlipped(progress, 4));
    EXPECT_FALSE(receiver.responseOK());
    EXPECT_FALSE(receiver.streamAcknowledged());
    EXPECT_EQ(receiver.frameCount(), 2);
}

TEST(Receiver, StreamAcknowledgementMustBeEmptyAndCarryTheCode) {
    for (const Bytes& ack : {answerFrame(0x0E, Bytes{0x01}), answerFrame(0x0D, {})}) {
        Receiver receiver;
        receiver.setMode(ReceiveMode::Stream);
        receiver.startCommand(0x0E, kUserBaud);
        receiver.feed(ack);
        EXPECT_FALSE(receiver.streamAcknowledged());
    }
}

}  // namespace
}  // namespace rvxmod::link
