#include "rvxmod/link/connect_sequence.h"

#include <gtest/gtest.h>

#include "rvxmod/link/commands.h"
#include "rvxmod/model/tool_types.h"
#include "simulated_line.h"
#include "tests/support/scripted_user_port.h"

namespace rvxmod::link {
namespace {

using rvx::testing::ScriptedUserPort;
using testing::Bytes;
using testing::SimulatedLine;
using Kind = ScriptedUserPort::Kind;

ConnectOptions comPort(const std::string& device) {
    ConnectOptions options;
    options.choice = PortChoice::Com;
    options.comDevice = device;
    return options;
}

std::vector<std::uint8_t> codesWritten(const testing::RecordingPort& port) {
    std::vector<std::uint8_t> codes;
    for (const Bytes& frame : port.writes) codes.push_back(frame[3]);
    return codes;
}

TEST(ConnectToolString, ConnectsAtTheUserRateAndDiscoversTheString) {
    const sim::Scenario scenario = sim::demoScenario();
    SimulatedLine line(scenario);
    ConnectedToolString toolString;
    ScriptedUserPort user;
    bool gridsRefreshed = false;
    ConnectHooks hooks;
    hooks.discovery.updateToolInfoGrids = [&] { return gridsRefreshed = true; };

    const ConnectOutcome outcome =
        connectToolString(line.link, toolString, user, comPort("sim"), hooks);

    EXPECT_TRUE(outcome.connected);
    EXPECT_EQ(outcome.device, "sim");
    EXPECT_EQ(outcome.baud, kUserBaud);
    EXPECT_TRUE(gridsRefreshed);
    EXPECT_EQ(toolString.Memory.FirmwareDate, scenario.tools[0].firmwareDate);
    EXPECT_EQ(toolString.ToolCount(), 3);
    EXPECT_GE(line.clock.now(), Millis{5000});
    EXPECT_EQ(codesWritten(line.recorder).front(), kConnect2Tool);
    EXPECT_EQ(user.textsOf(Kind::Sound), (std::vector<std::string>{"0", "13"}));
    EXPECT_EQ(user.textsOf(Kind::Status), (std::vector<std::string>{"Connecting to tool...", ""}));
    EXPECT_TRUE(user.commandsBalanced());
}

TEST(ConnectToolString, FailedFirstDiscoveryRetriedAtTheSlowRateCountsLiveBytesOnce) {
    const sim::Scenario scenario = sim::demoScenario();
    SimulatedLine line(scenario);
    ConnectedToolString toolString;
    ScriptedUserPort user;
    int refreshes = 0;
    ConnectHooks hooks;
    hooks.discovery.updateToolInfoGrids = [&] { return ++refreshes > 1; };
    const ConnectOutcome outcome =
        connectToolString(line.link, toolString, user, comPort("sim"), hooks);
    ASSERT_TRUE(outcome.connected);
    EXPECT_EQ(outcome.baud, kFallbackBaud);
    int liveBytes = 0;
    for (const sim::SimTool& tool : scenario.tools) {
        if (tool.type != kMemory) liveBytes += tool.sampleSize;
    }
    EXPECT_EQ(toolString.BytesPerLiveSample, liveBytes);
}

TEST(ConnectToolString, ChosenPortIsTriedAtBothRatesOnly) {
    SimulatedLine line(sim::demoScenario());
    ConnectedToolString toolString;
    ScriptedUserPort user;
    const std::size_t earlierAttempts = line.port.openAttempts().size();
    const ConnectOutcome outcome = connectToolString(line.link, toolString, user, comPort("COM5"));
    EXPECT_FALSE(outcome.connected);
    using Attempt = std::pair<std::string, int>;
    const auto& attempts = line.port.openAttempts();
    EXPECT_EQ(
        std::vector<Attempt>(attempts.begin() + static_cast<long>(earlierAttempts), attempts.end()),
        (std::vector<Attempt>{{"COM5", kUserBaud}, {"COM5", kFallbackBaud}}));
    EXPECT_EQ(user.textsOf(Kind::Error),
              std::vector<std::string>{"Tool not responding. Check connection."});
    EXPECT_TRUE(user.commandsBalanced());
}

TEST(ConnectToolString, AtTheSlowRateTheToolIdentifiesBeforeConnecting) {
    SimulatedLine line(sim::demoScenario());
    ConnectedToolString toolString;
    ScriptedUserPort user;
    ConnectOptions options = comPort("sim");
    options.bauds = {kFallbackBaud};
    ASSERT_TRUE(connectToolString(line.link, toolString, user, options).connected);
    const auto codes = codesWritten(line.recorder);
    ASSERT_GE(codes.size(), 2u);
    EXPECT_EQ(codes[0], kGetToolIDSerialNumber);
    EXPECT_EQ(codes[1], kConnect2Tool);
}

TEST(ConnectToolString, EmptyConnectAnswerOnlyCountsAtTheSlowRate) {
    VirtualClock clock;
    testing::ScriptedAnswerPort port(clock);
    port.answers[kGetToolIDSerialNumber] = Bytes{3, 0x12, 0x34};
    port.answers[kConnect2Tool] = Bytes{};
    ToolLink link(port, clock);
    ConnectedToolString toolString;
    ScriptedUserPort user;
    const ConnectOutcome outcome = connectToolString(link, toolString, user, comPort("any"));
    EXPECT_TRUE(outcome.connected);
    EXPECT_EQ(outcome.baud, kFallbackBaud);
    EXPECT_EQ(toolString.Memory.SerialNumber, 0x1234);
    EXPECT_EQ(toolString.Memory.FirmwareDate, 0);
}

}  // namespace
}  // namespace rvxmod::link
