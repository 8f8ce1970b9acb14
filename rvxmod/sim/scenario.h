#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

#include "common/result.h"

namespace rvxmod::sim {

// One tool of a simulated tool string, as it answers the identity queries.
struct SimTool {
    std::uint8_t type = 0;
    std::uint16_t serialNumber = 0;
    std::uint8_t length = 0;
    std::uint8_t sampleSize = 0;  // raw bytes of one live sample
    std::uint16_t calDate = 0;    // day number
    std::uint16_t firmwareDate = 0;
};

inline constexpr std::size_t kChipSlots = 8;

// A tool string to simulate: the tools in line order (memory module first when there is one)
// and the capacity in megabits of each of the memory module's chip slots (0: empty slot).
struct Scenario {
    std::vector<SimTool> tools;
    std::array<std::uint8_t, kChipSlots> chipSizes{64, 0, 0, 0, 0, 0, 0, 0};
};

// Text form, one statement a line, '#' starts a comment:
//   tool TYPE SERIAL LENGTH SAMPLE_SIZE CAL_DATE FW_DATE    (dates as yyyy/mm/dd)
//   chips SIZE0 [SIZE1 ...]                                 (megabits per chip slot)
rvx::Result<Scenario> parseScenario(std::string_view text);
rvx::Result<Scenario> loadScenario(const std::filesystem::path& path);
// A memory module with a RarodIdirura gauge, an RTD and a CCL.
Scenario demoScenario();
// "demo" or the path of a scenario file.
rvx::Result<Scenario> scenarioNamed(std::string_view nameOrPath);

}  // namespace rvxmod::sim
