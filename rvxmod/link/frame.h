#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace rvxmod::link {

inline constexpr std::uint8_t kSyncByte = 0xFF;
inline constexpr std::uint8_t kStartByte = 0x37;
inline constexpr std::size_t kRequestHeaderSize = 5;  // FF FF 37, code, length byte
inline constexpr std::size_t kCommandBufferSize = 1026;
inline constexpr std::size_t kExpectedCodeOffset = 1025;
inline constexpr std::uint8_t kTwoByteLengthCode =
    7;  // answers with this code carry a 16-bit length
inline constexpr std::uint8_t kSetLineCode = 0x0C;
inline constexpr std::size_t kSetLinePayloadSize = 68;  // address and 64 data bytes
inline constexpr std::uint8_t kSetLineLengthByte =
    64;  // the one length byte that is not the payload size
inline constexpr std::uint8_t kBlockReadCode = 0x0D;
inline constexpr std::size_t kBlockDataSize = 8192;
inline constexpr std::size_t kBlockDataOffset = 4;
inline constexpr std::size_t kBlockAnswerSize = kBlockDataSize + 5;

std::uint8_t xorOf(std::span<const std::uint8_t> bytes);

// The request being built, and at its last byte the code the answer has to carry.
class CommandBuffer {
public:
    // Writes header, payload and a 0 trailer, filling the rest of the frame area with `fill`;
    // returns the trailer's offset (the frame length before sealing).
    std::size_t build(std::uint8_t code, std::span<const std::uint8_t> payload,
                      std::uint8_t fill = 0xFF);
    // Puts the XOR of bytes 4..frameLength-1 into byte frameLength; returns the bytes to send.
    std::size_t seal(std::size_t frameLength);

    std::span<const std::uint8_t> frame(std::size_t sendLength) const {
        return std::span(bytes_).first(sendLength);
    }
    std::uint8_t expectedCode() const { return bytes_[kExpectedCodeOffset]; }

private:
    std::array<std::uint8_t, kCommandBufferSize> bytes_{};
};

// An answer frame as a tool sends it: 0x37, code, length (two bytes for code 7), payload, check.
std::vector<std::uint8_t> answerFrame(std::uint8_t code, std::span<const std::uint8_t> payload);
// The long answer to a block read.
std::vector<std::uint8_t> blockAnswerFrame(std::span<const std::uint8_t> data);

struct Request {
    std::uint8_t code = 0;
    std::vector<std::uint8_t> payload;
};

// Payload bytes of a request: its length byte, except for the line write.
std::size_t requestPayloadSize(std::uint8_t code, std::uint8_t lengthByte);

// Picks request frames out of a byte stream (the tool's side of the line). Bytes before a
// FF FF 37 header are skipped; a frame with a wrong trailer is dropped.
class RequestAssembler {
public:
    std::vector<Request> feed(std::span<const std::uint8_t> bytes);

private:
    std::vector<std::uint8_t> pending_;
};

}  // namespace rvxmod::link
