#pragma once

#include <map>
#include <string>
#include <vector>

#include "rvxmod/link/frame.h"
#include "rvxmod/link/tool_link.h"
#include "rvxmod/sim/scenario.h"
#include "rvxmod/sim/simulator_port.h"
#include "rvxmod/sim/tool_string_simulator.h"
#include "tests/rvxmod/link/forwarding_port.h"

namespace rvxmod::testing {

using Bytes = std::vector<std::uint8_t>;

// Payload bytes of a written request frame.
inline Bytes payloadOf(const Bytes& frame) {
    return {frame.begin() + 5, frame.end() - 1};
}

// Passes everything through to another port and keeps every frame written.
class RecordingPort final : public ForwardingPort {
public:
    using ForwardingPort::ForwardingPort;
    rvx::Status write(std::span<const std::uint8_t> bytes) override {
        writes.emplace_back(bytes.begin(), bytes.end());
        return inner_.write(bytes);
    }

    std::vector<Bytes> writes;
};

// The program's link wired to a simulated tool string on virtual time, port open at 230400.
struct SimulatedLine {
    explicit SimulatedLine(const sim::Scenario& scenario) : simulator(scenario) {
        EXPECT_TRUE(recorder.open("sim").ok());
    }
    explicit SimulatedLine(const std::string& scenarioText)
        : SimulatedLine(*sim::parseScenario(scenarioText)) {}

    link::VirtualClock clock;
    sim::ToolStringSimulator simulator;
    sim::SimulatorPort port{simulator, clock};
    RecordingPort recorder{port};
    link::ToolLink link{recorder, clock};
};

// A line whose "tool" answers each command code with a fixed payload, or not at all, so tests can
// hand the program answers no sound tool string would give.
class ScriptedAnswerPort final : public link::Port {
public:
    explicit ScriptedAnswerPort(link::VirtualClock& clock) : clock_(clock) {}
    rvx::Status open(const std::string&) override { return rvx::ok(); }
    void close() override {}
    bool isOpen() const override { return true; }
    rvx::Status setBaud(int baud) override {
        baud_ = baud;
        return rvx::ok();
    }
    int baud() const override { return baud_; }
    rvx::Status write(std::span<const std::uint8_t> bytes) override {
        for (const link::Request& request : assembler_.feed(bytes)) {
            const auto answer = answers.find(request.code);
            if (answer == answers.end()) continue;
            const Bytes frame = link::answerFrame(request.code, answer->second);
            pending_.insert(pending_.end(), frame.begin(), frame.end());
        }
        return rvx::ok();
    }
    std::vector<std::uint8_t> read(link::Millis deadline) override {
        if (pending_.empty()) clock_.advanceTo(deadline);
        return std::exchange(pending_, {});
    }

    std::map<std::uint8_t, Bytes> answers;

private:
    link::VirtualClock& clock_;
    link::RequestAssembler assembler_;
    Bytes pending_;
    int baud_ = link::kUserBaud;
};

}  // namespace rvxmod::testing
