#include "rvxmod/memory/block_header.h"

#include <algorithm>

#include "rvxmod/memory/memory_map.h"

namespace rvxmod::memory {

namespace {

constexpr std::size_t kJobStartFillFirst = 5;
constexpr std::size_t kJobStartFillEnd = 16;
constexpr std::size_t kErasedTestBytes = 6;

bool allErased(std::span<const std::uint8_t> bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == kErasedByte; });
}

}  // namespace

std::vector<HeaderTool> headerTools(std::span<const std::uint8_t> header) {
    std::vector<HeaderTool> tools;
    for (std::size_t entry = 0; entry < kMaxHeaderTools; ++entry) {
        const std::size_t offset = kHeaderToolsOffset + entry * kHeaderToolBytes;
        if (offset + kHeaderToolBytes > header.size() || header[offset] == kErasedByte) break;
        tools.push_back({header[offset], header[offset + 1] * 256 + header[offset + 2]});
    }
    return tools;
}

bool isJobStartHeader(std::span<const std::uint8_t> header) {
    return header[0] == kRecordedMark &&
           allErased(header.subspan(kJobStartFillFirst, kJobStartFillEnd - kJobStartFillFirst));
}

bool isErasedHeader(std::span<const std::uint8_t> header) {
    return allErased(header.first(kErasedTestBytes));
}

}  // namespace rvxmod::memory
