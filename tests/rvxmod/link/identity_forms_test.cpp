#include <gtest/gtest.h>

#include "common/date_time.h"
#include "rvxmod/link/cal_dates_form.h"
#include "rvxmod/link/discovery.h"
#include "rvxmod/link/serial_length_form.h"
#include "rvxmod/model/tool_types.h"
#include "simulated_line.h"
#include "tests/support/scripted_user_port.h"

namespace rvxmod::link {
namespace {

using rvx::testing::ScriptedUserPort;
using testing::SimulatedLine;
using Kind = ScriptedUserPort::Kind;

std::int32_t day(int year, int month, int dayOfMonth) {
    return static_cast<std::int32_t>(
        rvx::encodeDateTime({.year = year, .month = month, .day = dayOfMonth}));
}

class IdentityForms : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ToolStringDiscovery(line.link, toolString, user).connectToSeries(false));
        user.events.clear();
    }
    SimulatedLine line{sim::demoScenario()};
    ConnectedToolString toolString;
    ScriptedUserPort user;
};

TEST(SerialLengthForm, RowCountFollowsTheToolsAndTheMemoryModule) {
    const struct {
        int tools;
        bool memory;
        int rows;
    } cases[] = {{0, true, 5}, {3, true, 5}, {5, true, 6}, {5, false, 5}, {7, false, 7}};
    for (const auto& c : cases) {
        ConnectedToolString ts;
        ts.MemoryPresent = c.memory;
        ts.ToolChain.resize(static_cast<std::size_t>(c.tools));
        EXPECT_EQ(serialLengthGrid(ts).rowCount, c.rows) << c.tools << " " << c.memory;
    }
}

TEST(SerialLengthForm, DoesNotOpenWithoutTools) {
    ScriptedUserPort user;
    EXPECT_FALSE(openSerialLengthForm(ConnectedToolString{}, user));
    EXPECT_EQ(user.textsOf(Kind::Warning),
              std::vector<std::string>{
                  "There are no tools connected. Cannot save Serial Numbers or Tool Lengths."});
}

TEST_F(IdentityForms, SavedSerialNumbersAndLengthsComeBackFromTheTools) {
    auto grid = openSerialLengthForm(toolString, user);
    ASSERT_TRUE(grid);
    ASSERT_EQ(grid->rows.size(), 4u);
    EXPECT_EQ(grid->rows[0].code, "RL");
    EXPECT_EQ(grid->rows[0].serialNumber, "01021");
    grid->rows[0].serialNumber = "00777";
    grid->rows[2].serialNumber = "78";
    grid->rows[2].toolLength = "99";
    toolString.Memory.StoredFiles = {{78, kRTD, 5, 0}};

    EXPECT_TRUE(saveSerialNumbersAndLengths(line.link, toolString, user, grid->rows));
    EXPECT_TRUE(user.textsOf(Kind::Error).empty());
    EXPECT_TRUE(user.commandsBalanced());
    EXPECT_EQ(line.simulator.tools()[0].serialNumber, 777);
    EXPECT_EQ(toolString.Memory.SerialNumber, 777);
    EXPECT_EQ(toolString.ToolChain[1].SerialNumber, 78);
    EXPECT_EQ(toolString.ToolChain[1].ToolLength, 99);
    EXPECT_EQ(toolString.ToolChain[1].CalBlockIndex, 5);
    EXPECT_EQ(toolString.ToolChain[0].CalBlockIndex, -1);
}

TEST_F(IdentityForms, UnsavedSerialNumbersSkipTheLengths) {
    line.simulator.setFaults({.drop = 1});
    const auto grid = serialLengthGrid(toolString);
    EXPECT_FALSE(saveSerialNumbersAndLengths(line.link, toolString, user, grid.rows));
    EXPECT_EQ(user.textsOf(Kind::Error),
              std::vector<std::string>{"Error saving Tool Serial Number."});
    EXPECT_TRUE(user.commandsBalanced());
}

TEST_F(IdentityForms, CalDatesOfToolsWithoutARowBecomeTheFirstOf2000) {
    const auto grid = openCalDatesForm(toolString, user);
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->rowCount, 6);
    ASSERT_EQ(grid->rows.size(), 2u);  // the CCL needs no calibration
    EXPECT_EQ(grid->rows[1].identity, "RR00077");
    const CalDateRow edited{grid->rows[1].name, grid->rows[1].identity, "2021-03-04"};

    EXPECT_TRUE(saveSensorCalDates(line.link, toolString, user, {edited}));
    const std::vector<std::int32_t> expected{day(2000, 1, 1), day(2021, 3, 4), day(2000, 1, 1)};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(toolString.ToolChain[i].CalDate, expected[i]) << "tool " << i;
    }
}

TEST_F(IdentityForms, UnreadableCalDateStopsBeforeSending) {
    auto rows = calDatesGrid(toolString).rows;
    rows[0].calDate = "2021/13/01";
    const std::size_t written = line.recorder.writes.size();
    EXPECT_FALSE(saveSensorCalDates(line.link, toolString, user, rows));
    EXPECT_EQ(line.recorder.writes.size(), written);
    EXPECT_EQ(user.textsOf(Kind::Error), std::vector<std::string>{"Error: Invalid date format"});
}

}  // namespace
}  // namespace rvxmod::link
