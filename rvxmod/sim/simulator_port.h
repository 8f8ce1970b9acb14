#pragma once

#include <string>
#include <utility>
#include <vector>

#include "rvxmod/link/clock.h"
#include "rvxmod/link/port.h"
#include "rvxmod/sim/answer_schedule.h"
#include "rvxmod/sim/tool_string_simulator.h"

namespace rvxmod::sim {

// A port wired straight to a simulator, on virtual time: a read that would wait moves the clock
// to the next arrival or to the deadline instead of sleeping. Only the named device opens.
class SimulatorPort final : public link::Port {
public:
    SimulatorPort(ToolStringSimulator& simulator, link::VirtualClock& clock,
                  std::string deviceName = "sim")
        : simulator_(simulator), clock_(clock), deviceName_(std::move(deviceName)) {}

    rvx::Status open(const std::string& device) override;
    void close() override;
    bool isOpen() const override { return open_; }
    rvx::Status setBaud(int baud) override;
    int baud() const override { return baud_; }
    rvx::Status write(std::span<const std::uint8_t> bytes) override;
    std::vector<std::uint8_t> read(link::Millis deadline) override;

    // Every device and baud rate an open was tried with, in order.
    const std::vector<std::pair<std::string, int>>& openAttempts() const { return attempts_; }

private:
    ToolStringSimulator& simulator_;
    link::VirtualClock& clock_;
    std::string deviceName_;
    AnswerSchedule schedule_;
    std::vector<std::pair<std::string, int>> attempts_;
    bool open_ = false;
    int baud_ = link::kUserBaud;
};

}  // namespace rvxmod::sim
