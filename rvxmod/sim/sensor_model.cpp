#include "rvxmod/sim/sensor_model.h"

#include <cmath>
#include <numbers>

namespace rvxmod::sim {

namespace {
constexpr double kBaseCount = 500000.0;
constexpr double kSwing = 20000.0;
constexpr double kSamplesPerCycle = 120.0;
constexpr std::size_t kBytesPerChannel = 3;
}  // namespace

std::vector<std::uint8_t> liveSample(const SimTool& tool, std::uint32_t sampleNumber) {
    std::vector<std::uint8_t> bytes(tool.sampleSize);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const std::size_t channel = i / kBytesPerChannel;
        const double phase =
            2 * std::numbers::pi * (sampleNumber / kSamplesPerCycle) + static_cast<double>(channel);
        const auto count = static_cast<std::uint32_t>(kBaseCount * (1 + 0.1 * tool.type) +
                                                      kSwing * std::sin(phase));
        const std::size_t shift = 8 * (kBytesPerChannel - 1 - i % kBytesPerChannel);
        bytes[i] = static_cast<std::uint8_t>((count >> shift) & 0xFF);
    }
    return bytes;
}

}  // namespace rvxmod::sim
