#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "rvxmod/link/frame.h"
#include "rvxmod/link/tool_link.h"
#include "rvxmod/memory/memory_buffers.h"
#include "rvxmod/memory/memory_size.h"
#include "rvxmod/model/tool_types.h"
#include "rvxmod/sim/scenario.h"
#include "rvxmod/sim/simulator_port.h"
#include "rvxmod/sim/tool_string_simulator.h"
#include "tests/rvxmod/link/forwarding_port.h"
#include "tests/support/scripted_user_port.h"

namespace rvxmod::testing {

using Bytes = std::vector<std::uint8_t>;

// Passes frames to the simulator unless the test's filter swallows them, as a line that loses a
// request does; the program then runs into its time-out.
class LossyPort final : public ForwardingPort {
public:
    using ForwardingPort::ForwardingPort;
    rvx::Status write(std::span<const std::uint8_t> bytes) override {
        const std::uint8_t code = bytes.size() > 3 ? bytes[3] : 0;
        if (lose && lose(code)) return rvx::ok();
        return inner_.write(bytes);
    }

    // Given each request's command code; true drops the request.
    std::function<bool(std::uint8_t)> lose;
};

// A memory module with a RarodIdirura gauge, an RTD and a CCL on virtual time, the program's
// side connected: tool string, chip table and memory buffers.
struct MemoryLine {
    explicit MemoryLine(std::array<std::uint8_t, sim::kChipSlots> chips = {64}) {
        sim::Scenario scenario = sim::demoScenario();
        scenario.chipSizes = chips;
        simulator.emplace(scenario);
        port.emplace(*simulator, clock);
        lossy.emplace(*port);
        link.emplace(*lossy, clock);
        EXPECT_TRUE(lossy->open("sim").ok());
        toolString.MemoryPresent = true;
        for (const sim::SimTool& tool : scenario.tools) {
            if (tool.type == kMemory) continue;
            ToolObj connected = makeJobTool(tool.type, tool.serialNumber);
            connected.CalDate = tool.calDate;
            toolString.ToolChain.push_back(connected);
        }
        for (std::size_t chip = 0; chip < chips.size(); ++chip) {
            toolString.Memory.Chips[chip] = memory::chipInfoOf(chips[chip]);
        }
    }

    sim::FlashImage& flash() { return simulator->flash(); }
    Bytes block(int chip, int sector, int block) {
        return *flash().readBlock({chip, sector, block, 0});
    }

    link::VirtualClock clock;
    std::optional<sim::ToolStringSimulator> simulator;
    std::optional<sim::SimulatorPort> port;
    std::optional<LossyPort> lossy;
    std::optional<link::ToolLink> link;
    ConnectedToolString toolString;
    memory::MemoryBuffers buffers;
    rvx::testing::ScriptedUserPort user;
};

}  // namespace rvxmod::testing
