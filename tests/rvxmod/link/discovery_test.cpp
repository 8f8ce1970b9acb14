#include "rvxmod/link/discovery.h"

#include <gtest/gtest.h>

#include "rvxmod/link/commands.h"
#include "rvxmod/model/tool_types.h"
#include "simulated_line.h"
#include "tests/support/scripted_user_port.h"

namespace rvxmod::link {
namespace {

using rvx::testing::ScriptedUserPort;
using testing::Bytes;
using testing::payloadOf;
using testing::SimulatedLine;
using Kind = ScriptedUserPort::Kind;

constexpr const char* kIdentificationError =
    "Error: Invalid tool response - Tool ID and Serial Number";

struct Discovered {
    ConnectedToolString toolString;
    ScriptedUserPort user;
    bool result = false;
};

void discover(ToolLink& link, Discovered& out, bool quickConnect = false) {
    ToolStringDiscovery discovery(link, out.toolString, out.user);
    out.result = discovery.connectToSeries(quickConnect);
}

TEST(ConnectToSeries, FillsTheModelFromTheToolString) {
    const sim::Scenario scenario = sim::demoScenario();
    SimulatedLine line(scenario);
    Discovered found;
    discover(line.link, found);

    ASSERT_TRUE(found.result);
    EXPECT_TRUE(found.user.textsOf(Kind::Error).empty());
    const ConnectedToolString& ts = found.toolString;
    const sim::SimTool& module = scenario.tools[0];
    ASSERT_TRUE(ts.MemoryPresent);
    EXPECT_EQ(ts.Memory.Type, kMemory);
    EXPECT_EQ(ts.Memory.SerialNumber, module.serialNumber);
    EXPECT_EQ(ts.Memory.ToolLength, module.length);
    EXPECT_EQ(ts.Memory.Name, "Memory");
    EXPECT_EQ(ts.Memory.Code, "RL");
    ASSERT_EQ(ts.ToolCount(), static_cast<int>(scenario.tools.size()) - 1);
    int liveBytes = 0;
    for (int i = 0; i < ts.ToolCount(); ++i) {
        const ToolObj& tool = ts.ToolChain[static_cast<std::size_t>(i)];
        const sim::SimTool& expected = scenario.tools[static_cast<std::size_t>(i) + 1];
        EXPECT_EQ(tool.ToolType, expected.type);
        EXPECT_EQ(tool.SerialNumber, expected.serialNumber);
        EXPECT_EQ(tool.ToolLength, expected.length);
        EXPECT_EQ(tool.DataLength, expected.sampleSize - 1);
        EXPECT_EQ(tool.CalDate, expected.calDate);
        EXPECT_EQ(tool.FirmwareDate, expected.firmwareDate);
        EXPECT_EQ(tool.ToolName, toolTypeName(expected.type));
        EXPECT_EQ(tool.ToolCode, toolTypeCode(expected.type));
        EXPECT_EQ(tool.NeedsCal, toolTypeInfo(expected.type).needsCalConnected);
        EXPECT_EQ(tool.CalBlockIndex, -1);
        liveBytes += expected.sampleSize;
    }
    EXPECT_EQ(ts.BytesPerLiveSample, liveBytes);
    EXPECT_FALSE(ts.QuickConnect);
}

TEST(ConnectToSeries, MemoryModuleAlone) {
    SimulatedLine line("tool 3 4321 27 0 2024/01/15 2024/03/01\n");
    Discovered found;
    discover(line.link, found, true);
    EXPECT_TRUE(found.result);
    EXPECT_EQ(found.toolString.ToolCount(), 0);
    EXPECT_TRUE(found.toolString.MemoryPresent);
    EXPECT_TRUE(found.toolString.QuickConnect);
    EXPECT_EQ(found.toolString.Memory.SerialNumber, 4321);
    EXPECT_EQ(found.toolString.Memory.ToolLength, 27);
    EXPECT_TRUE(found.user.textsOf(Kind::Error).empty());
}

TEST(ConnectToSeries, KeepsAToolOfUnknownTypeAndWorksWithoutMemoryModule) {
    SimulatedLine line(
        "tool 42 500 10 2 2020/01/01 2021/02/03\n"
        "tool 2 310 20 4 2020/01/01 2023/08/30\n");
    Discovered found;
    discover(line.link, found, true);
    EXPECT_TRUE(found.result);
    EXPECT_FALSE(found.toolString.MemoryPresent);
    EXPECT_FALSE(found.toolString.QuickConnect);
    EXPECT_EQ(found.toolString.Memory.SerialNumber, -1);
    ASSERT_EQ(found.toolString.ToolCount(), 2);
    const ToolObj& unknown = found.toolString.ToolChain[0];
    EXPECT_EQ(unknown.ToolType, 42u);
    EXPECT_EQ(unknown.ToolName, "Unrecognized");
    EXPECT_EQ(unknown.ToolCode, "");
    EXPECT_FALSE(unknown.NeedsCal);
    EXPECT_EQ(unknown.SerialNumber, 500);
}

TEST(ConnectToSeries, SevenByteIdentificationLeavesAnEmptyToolString) {
    VirtualClock clock;
    testing::ScriptedAnswerPort port(clock);
    port.answers[kGetToolIDSerialNumber] = Bytes{3, 0, 1, 6, 0, 2, 9};
    ToolLink link(port, clock);
    Discovered found;
    found.toolString.ToolChain.resize(2);
    discover(link, found);
    EXPECT_FALSE(found.result);
    EXPECT_EQ(found.toolString.ToolCount(), 0);
    EXPECT_EQ(found.user.textsOf(Kind::Error), std::vector<std::string>{kIdentificationError});
}

TEST(ConnectToSeries, NoIdentificationAfterThreeAttemptsHalfASecondApart) {
    VirtualClock clock;
    testing::ScriptedAnswerPort silent(clock);
    testing::RecordingPort port(silent);
    ToolLink link(port, clock);
    Discovered found;
    discover(link, found);
    EXPECT_FALSE(found.result);
    EXPECT_EQ(port.writes.size(), 3u);
    EXPECT_EQ(clock.now(), Millis{3 * 2000 + 2 * 500});
    EXPECT_EQ(found.user.textsOf(Kind::Error), std::vector<std::string>{kIdentificationError});
}

TEST(ConnectToSeries, LaterStepsReportTheirErrorsAndGoOn) {
    VirtualClock clock;
    testing::ScriptedAnswerPort port(clock);
    port.answers[kGetToolIDSerialNumber] = Bytes{3, 0, 1, 6, 0, 2};
    port.answers[kGetToolCalDate] = Bytes{0x8E};  // odd: invalid
    port.answers[kGetToolFWDate] = Bytes{0x8E, 0xAC};
    ToolLink link(port, clock);
    Discovered found;
    discover(link, found);
    EXPECT_TRUE(found.result);
    EXPECT_EQ(found.user.textsOf(Kind::Error),
              (std::vector<std::string>{"Error: Invalid tool response - Tool Length",
                                        "Error: Invalid tool response - Tool Data Length",
                                        "Error: Invalid tool response - Tool Calibration Date"}));
    ASSERT_EQ(found.toolString.ToolCount(), 1);
    EXPECT_EQ(found.toolString.ToolChain[0].FirmwareDate, 0x8EAC);
    EXPECT_EQ(found.toolString.Memory.SerialNumber, 1);
}

// The Save Serial Number form's rows: memory module first, then the tools.
std::vector<IdentityRow> rowsOf(const ConnectedToolString& ts) {
    std::vector<IdentityRow> rows{{ts.Memory.Name, ts.Memory.SerialNumber, ts.Memory.ToolLength}};
    for (const ToolObj& tool : ts.ToolChain) {
        rows.push_back({tool.ToolName, tool.SerialNumber, tool.ToolLength});
    }
    return rows;
}

class IdentityEditing : public ::testing::Test {
protected:
    void SetUp() override {
        discover(line.link, found);
        ASSERT_TRUE(found.result);
    }
    SimulatedLine line{sim::demoScenario()};
    Discovered found;
};

TEST_F(IdentityEditing, SerialNumbersGoLastToolFirstWithTheMemoryModuleLast) {
    std::vector<IdentityRow> rows = rowsOf(found.toolString);
    for (std::size_t i = 0; i < rows.size(); ++i) rows[i].serialNumber = 1000 + i;
    ASSERT_TRUE(send_SetSerialNumber(line.link, rows, found.user));
    const Bytes payload = payloadOf(line.recorder.writes.back());
    ASSERT_EQ(payload.size(), 8u);
    EXPECT_EQ(payload, (Bytes{0x03, 0xEB, 0x03, 0xEA, 0x03, 0xE9, 0x03, 0xE8}));

    ToolStringDiscovery discovery(line.link, found.toolString, found.user);
    ASSERT_TRUE(discovery.refreshTCSerials());
    EXPECT_EQ(found.toolString.Memory.SerialNumber, 1000);
    for (std::size_t i = 0; i < found.toolString.ToolChain.size(); ++i) {
        EXPECT_EQ(found.toolString.ToolChain[i].SerialNumber, 1001 + static_cast<int>(i));
    }
}

TEST_F(IdentityEditing, SerialNumberAboveSixteenBitsIsRefusedBeforeSending) {
    std::vector<IdentityRow> rows = rowsOf(found.toolString);
    rows[2].serialNumber = 65536;
    const std::size_t written = line.recorder.writes.size();
    EXPECT_FALSE(send_SetSerialNumber(line.link, rows, found.user));
    EXPECT_EQ(line.recorder.writes.size(), written);
    EXPECT_EQ(found.user.textsOf(Kind::Error),
              std::vector<std::string>{"Serial Number can not be greater than 65,535"});
}

TEST_F(IdentityEditing, LengthRefreshGivesTheFirstByteToTheMemoryModule) {
    std::vector<IdentityRow> rows = rowsOf(found.toolString);
    for (std::size_t i = 0; i < rows.size(); ++i) rows[i].toolLength = 50 + static_cast<int>(i);
    ASSERT_TRUE(send_SetToolLength(line.link, rows, found.toolString));
    EXPECT_EQ(payloadOf(line.recorder.writes.back()), (Bytes{53, 52, 51, 50}));
    EXPECT_EQ(found.toolString.Memory.ToolLength, 50);

    found.toolString.Memory.ToolLength = 0;
    for (ToolObj& tool : found.toolString.ToolChain) tool.ToolLength = 0;
    ToolStringDiscovery discovery(line.link, found.toolString, found.user);
    ASSERT_TRUE(discovery.refreshTCToolLengths());
    EXPECT_EQ(found.toolString.Memory.ToolLength, 50);
    for (std::size_t i = 0; i < found.toolString.ToolChain.size(); ++i) {
        EXPECT_EQ(found.toolString.ToolChain[i].ToolLength, 51 + static_cast<int>(i));
    }
}

TEST_F(IdentityEditing, CalDatesGoLastToolFirstAndReadBackInOrder) {
    const std::vector<std::int32_t> dates{36526, 40000, 45000};
    ASSERT_TRUE(send_setToolCalDate(line.link, dates));
    EXPECT_EQ(payloadOf(line.recorder.writes.back()), (Bytes{0xAF, 0xC8, 0x9C, 0x40, 0x8E, 0xAE}));
    ToolStringDiscovery discovery(line.link, found.toolString, found.user);
    ASSERT_TRUE(discovery.GetToolCalDates());
    for (std::size_t i = 0; i < dates.size(); ++i) {
        EXPECT_EQ(found.toolString.ToolChain[i].CalDate, dates[i]);
    }
}

TEST(ConnectToSeries, IdentifiesOrExplainsDespiteLinkFaults) {
    const sim::Scenario scenario = sim::demoScenario();
    int identified = 0;
    for (unsigned seed = 1; seed <= 30; ++seed) {
        SimulatedLine line(scenario);
        line.simulator.setFaults({.noise = 0.03,
                                  .corrupt = 0.03,
                                  .drop = 0.03,
                                  .delay = 0.03,
                                  .split = 0.2,
                                  .seed = seed});
        Discovered found;
        discover(line.link, found);
        const bool complete = found.result && found.user.textsOf(Kind::Error).empty();
        if (complete) {
            ++identified;
            ASSERT_EQ(found.toolString.ToolCount(), 3) << "seed " << seed;
            EXPECT_EQ(found.toolString.ToolChain[2].SerialNumber, scenario.tools[3].serialNumber);
        } else {
            EXPECT_FALSE(found.user.textsOf(Kind::Error).empty()) << "seed " << seed;
        }
        EXPECT_LT(line.clock.now(), Millis{60000}) << "seed " << seed;
    }
    EXPECT_GE(identified, 27);
}

}  // namespace
}  // namespace rvxmod::link
