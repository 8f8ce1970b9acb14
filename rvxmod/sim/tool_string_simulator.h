#pragma once

#include <optional>
#include <span>
#include <vector>

#include "rvxmod/link/frame.h"
#include "rvxmod/sim/fault_injector.h"
#include "rvxmod/sim/flash_image.h"
#include "rvxmod/sim/scenario.h"
#include "rvxmod/sim/timed_bytes.h"

namespace rvxmod::sim {

// A tool string at the end of the line: reads request frames and answers them as the tools
// would. Identity, lengths and dates come from the scenario and change with the set commands;
// memory commands work on the flash image; live readings come from simple sensor models.
// Requests it cannot serve (a memory command without a memory module, an address outside the
// memory) get no answer, as from a tool that does not understand them.
class ToolStringSimulator {
public:
    explicit ToolStringSimulator(Scenario scenario);

    // Bytes from the program; returns the answers to the requests they complete.
    std::vector<TimedBytes> receive(std::span<const std::uint8_t> bytes);

    void setFaults(const FaultSpec& faults) { faults_.emplace(faults); }
    // Time the format takes per sector before its progress frame.
    void setFormatSectorTime(link::Millis time) { formatSectorTime_ = time; }

    const std::vector<SimTool>& tools() const { return tools_; }
    FlashImage& flash() { return flash_; }
    const FlashImage& flash() const { return flash_; }

private:
    std::vector<TimedBytes> answer(const link::Request& request);
    std::vector<TimedBytes> answerMemory(const link::Request& request);
    std::vector<TimedBytes> format();
    bool hasMemoryModule() const;
    std::vector<SimTool*> sensors();
    std::vector<std::uint8_t> liveReadings();
    std::optional<FlashAddress> addressOf(std::span<const std::uint8_t> payload) const;

    std::vector<SimTool> tools_;
    FlashImage flash_;
    link::RequestAssembler assembler_;
    std::optional<FaultInjector> faults_;
    link::Millis formatSectorTime_{200};
    std::uint32_t sampleNumber_ = 0;
};

}  // namespace rvxmod::sim
