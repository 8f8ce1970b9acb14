#include "rvxmod/link/receiver.h"

#include "rvxmod/link/frame.h"
#include "rvxmod/link/port.h"

namespace rvxmod::link {

namespace {
constexpr std::uint8_t kIdentificationCode = 0x00;
constexpr std::uint8_t kConnectCode = 0x06;
constexpr std::size_t kOrdinaryHeaderSize = 3;  // 0x37, code, length
}  // namespace

void Receiver::startCommand(std::uint8_t expectedCode, int baud) {
    expectedCode_ = expectedCode;
    baud_ = baud;
    responseOK_ = false;
    index_ = 0;
    // A partial answer left by a time-out must not spoil the check of the next one.
    xor_ = 0;
    payloadLength_ = 0;
}

void Receiver::setMode(ReceiveMode mode) {
    mode_ = mode;
    if (mode == ReceiveMode::Stream) {
        streamAck_ = false;
        frameReceived_ = false;
        frameCount_ = 0;
    }
}

void Receiver::feed(std::span<const std::uint8_t> bytes) {
    for (const std::uint8_t byte : bytes) {
        switch (mode_) {
            case ReceiveMode::Ordinary:
                feedOrdinary(byte);
                break;
            case ReceiveMode::BlockRead:
                feedBlock(byte);
                break;
            case ReceiveMode::Stream:
                feedStream(byte);
                break;
        }
    }
}

std::span<const std::uint8_t> Receiver::payload() const {
    if (!responseOK_ || mode_ != ReceiveMode::Ordinary) return {};
    return std::span(buffer_).subspan(payloadOffset_, payloadLength_);
}

std::span<const std::uint8_t> Receiver::blockData() const {
    return std::span(buffer_).subspan(kBlockDataOffset, kBlockDataSize);
}

bool Receiver::takeFrameReceived() {
    const bool received = frameReceived_;
    frameReceived_ = false;
    return received;
}

bool Receiver::startByteMissing(std::uint8_t byte) {
    buffer_[index_] = byte;
    if (buffer_[0] == kStartByte) return false;
    index_ = 0;
    xor_ = 0;
    return true;
}

bool Receiver::emptyAnswerRefused(std::size_t length) const {
    if (length != 0) return false;
    return baud_ == kFallbackBaud ? expectedCode_ == kIdentificationCode
                                  : expectedCode_ == kConnectCode;
}

void Receiver::reject() {
    responseOK_ = false;
    index_ = 0;
    xor_ = 0;
}

void Receiver::feedOrdinary(std::uint8_t byte) {
    // The accepted answer stays in the buffer until the next send.
    if (responseOK_) return;
    if (startByteMissing(byte)) return;
    if (index_ > 1) xor_ ^= byte;
    ++index_;
    if (index_ < kOrdinaryHeaderSize) return;
    const bool twoByteLength = buffer_[1] == kTwoByteLengthCode;
    const std::size_t headerSize = kOrdinaryHeaderSize + (twoByteLength ? 1 : 0);
    if (index_ < headerSize) return;
    const std::size_t length =
        twoByteLength ? std::size_t{buffer_[2]} * 256 + buffer_[3] : std::size_t{buffer_[2]};
    const std::size_t frameSize = headerSize + length + 1;
    if (frameSize > kBufferSize) {
        reject();
        return;
    }
    if (index_ < frameSize) return;
    if (emptyAnswerRefused(length) || xor_ != 0 || buffer_[1] != expectedCode_) {
        reject();
        return;
    }
    payloadOffset_ = headerSize;
    payloadLength_ = length;
    responseOK_ = true;
}

void Receiver::feedBlock(std::uint8_t byte) {
    if (responseOK_) return;
    buffer_[index_] = byte;
    if (buffer_[0] != kStartByte) {
        index_ = 0;
        return;
    }
    if (index_ == 1 && byte == kBlockReadCode) {
        xor_ = 0;
        index_ = 2;
        return;
    }
    xor_ ^= byte;
    ++index_;
    if (index_ < kBlockAnswerSize) return;
    if (xor_ == 0) {
        responseOK_ = true;
    } else {
        reject();
    }
}

void Receiver::feedStream(std::uint8_t byte) {
    if (startByteMissing(byte)) return;
    if (!streamAck_ && index_ == 2) {
        // The acknowledgement ends at its length byte.
        streamAck_ = byte == 0 && buffer_[1] == expectedCode_;
        responseOK_ = streamAck_;
        index_ = 0;
        return;
    }
    if (index_ > 1) xor_ ^= byte;
    ++index_;
    if (index_ <= 2 || index_ != std::size_t{buffer_[2]} + 4) return;
    if (xor_ == 0 && buffer_[1] == expectedCode_) {
        responseOK_ = true;
        frameReceived_ = true;
        ++frameCount_;
    } else {
        responseOK_ = false;
        streamAck_ = false;
        xor_ = 0;
    }
    index_ = 0;
}

}  // namespace rvxmod::link
