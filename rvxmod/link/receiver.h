#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace rvxmod::link {

enum class ReceiveMode {
    Ordinary,   // one answer frame per command
    BlockRead,  // the 8197-byte answer to a block read
    Stream,     // a format: an empty acknowledgement, then progress frames
};

// Assembles answers byte by byte and decides whether they are acceptable.
class Receiver {
public:
    static constexpr std::size_t kBufferSize = 17004;

    // Called by every send: forget the previous answer and wait for one with this code.
    void startCommand(std::uint8_t expectedCode, int baud);
    void setMode(ReceiveMode mode);
    ReceiveMode mode() const { return mode_; }

    void feed(std::span<const std::uint8_t> bytes);

    bool responseOK() const { return responseOK_; }
    void clearResponse() { responseOK_ = false; }

    // The answer's bytes at their frame offsets.
    std::span<const std::uint8_t> buffer() const { return buffer_; }
    // Payload of the accepted ordinary answer (empty when none was accepted).
    std::span<const std::uint8_t> payload() const;
    std::span<const std::uint8_t> blockData() const;

    // Stream mode: a progress frame has arrived since the flag was last taken.
    bool takeFrameReceived();
    int frameCount() const { return frameCount_; }
    bool streamAcknowledged() const { return streamAck_; }

private:
    void feedOrdinary(std::uint8_t byte);
    void feedBlock(std::uint8_t byte);
    void feedStream(std::uint8_t byte);
    bool startByteMissing(std::uint8_t byte);
    bool emptyAnswerRefused(std::size_t length) const;
    void reject();

    std::array<std::uint8_t, kBufferSize> buffer_{};
    std::size_t index_ = 0;
    std::uint16_t xor_ = 0;
    bool responseOK_ = false;
    std::uint8_t expectedCode_ = 0;
    int baud_ = 0;
    ReceiveMode mode_ = ReceiveMode::Ordinary;
    std::size_t payloadOffset_ = 0;
    std::size_t payloadLength_ = 0;
    bool streamAck_ = false;
    bool frameReceived_ = false;
    int frameCount_ = 0;
};

}  // namespace rvxmod::link
