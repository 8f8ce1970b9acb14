#include "rvxmod/link/frame.h"

#include <algorithm>
#include <functional>
#include <numeric>

namespace rvxmod::link {

namespace {
constexpr std::size_t kLengthOffset = 4;
constexpr std::array<std::uint8_t, 3> kRequestHeader{kSyncByte, kSyncByte, kStartByte};
}  // namespace

std::uint8_t xorOf(std::span<const std::uint8_t> bytes) {
    return std::accumulate(bytes.begin(), bytes.end(), std::uint8_t{0},
                           std::bit_xor<std::uint8_t>());
}

std::size_t CommandBuffer::build(std::uint8_t code, std::span<const std::uint8_t> payload,
                                 std::uint8_t fill) {
    std::fill(bytes_.begin(), bytes_.begin() + kExpectedCodeOffset, fill);
    std::copy(kRequestHeader.begin(), kRequestHeader.end(), bytes_.begin());
    bytes_[3] = code;
    bytes_[kLengthOffset] =
        code == kSetLineCode ? kSetLineLengthByte : static_cast<std::uint8_t>(payload.size());
    std::copy(payload.begin(), payload.end(), bytes_.begin() + kRequestHeaderSize);
    const std::size_t trailer = kRequestHeaderSize + payload.size();
    bytes_[trailer] = 0;
    bytes_[kExpectedCodeOffset] = code;
    return trailer;
}

std::size_t CommandBuffer::seal(std::size_t frameLength) {
    bytes_[frameLength] =
        xorOf(std::span(bytes_).subspan(kLengthOffset, frameLength - kLengthOffset));
    return frameLength + 1;
}

std::vector<std::uint8_t> answerFrame(std::uint8_t code, std::span<const std::uint8_t> payload) {
    std::vector<std::uint8_t> frame{kStartByte, code};
    if (code == kTwoByteLengthCode) frame.push_back(static_cast<std::uint8_t>(payload.size() >> 8));
    frame.push_back(static_cast<std::uint8_t>(payload.size() & 0xFF));
    frame.insert(frame.end(), payload.begin(), payload.end());
    frame.push_back(xorOf(std::span(frame).subspan(2)));
    return frame;
}

std::vector<std::uint8_t> blockAnswerFrame(std::span<const std::uint8_t> data) {
    std::vector<std::uint8_t> frame{kStartByte, kBlockReadCode,
                                    static_cast<std::uint8_t>(data.size() >> 8),
                                    static_cast<std::uint8_t>(data.size() & 0xFF)};
    frame.insert(frame.end(), data.begin(), data.end());
    frame.push_back(xorOf(std::span(frame).subspan(2)));
    return frame;
}

std::size_t requestPayloadSize(std::uint8_t code, std::uint8_t lengthByte) {
    return code == kSetLineCode ? kSetLinePayloadSize : lengthByte;
}

std::vector<Request> RequestAssembler::feed(std::span<const std::uint8_t> bytes) {
    pending_.insert(pending_.end(), bytes.begin(), bytes.end());
    std::vector<Request> requests;
    for (;;) {
        const auto header = std::search(pending_.begin(), pending_.end(), kRequestHeader.begin(),
                                        kRequestHeader.end());
        if (header == pending_.end()) {
            // The start of a header may still be coming in.
            const std::size_t keep = std::min(pending_.size(), kRequestHeader.size() - 1);
            pending_.erase(pending_.begin(), pending_.end() - static_cast<long>(keep));
            break;
        }
        pending_.erase(pending_.begin(), header);
        if (pending_.size() < kRequestHeaderSize) break;
        const std::uint8_t code = pending_[3];
        const std::size_t payloadSize = requestPayloadSize(code, pending_[kLengthOffset]);
        const std::size_t frameSize = kRequestHeaderSize + payloadSize + 1;
        if (pending_.size() < frameSize) break;
        const std::span<const std::uint8_t> frame(pending_.data(), frameSize);
        if (xorOf(frame.subspan(kLengthOffset)) == 0) {
            const auto payload = frame.subspan(kRequestHeaderSize, payloadSize);
            requests.push_back({code, {payload.begin(), payload.end()}});
            pending_.erase(pending_.begin(), pending_.begin() + static_cast<long>(frameSize));
        } else {
            // Not a frame after all: look for the next header past this one.
            pending_.erase(pending_.begin());
        }
    }
    return requests;
}

}  // namespace rvxmod::link
