#include "rvxmod/link/tool_string_grid.h"

#include <gtest/gtest.h>

#include "rvxmod/model/tool_types.h"

namespace rvxmod::link {
namespace {

ToolObj connectedTool(std::uint32_t type, std::int32_t serial, std::int32_t calDate) {
    ToolObj tool;
    tool.ToolType = type;
    tool.SerialNumber = serial;
    tool.CalDate = calDate;
    tool.FirmwareDate = 45000;
    tool.ToolName = toolTypeName(type);
    tool.ToolCode = toolTypeCode(type);
    tool.NeedsCal = toolTypeInfo(type).needsCalConnected;
    return tool;
}

TEST(ToolChainGrid, MemoryRowFirstAndCalFileStatusPerTool) {
    ConnectedToolString ts;
    ts.MemoryPresent = true;
    ts.Memory.Name = "Memory";
    ts.Memory.Code = "RL";
    ts.Memory.SerialNumber = 21;
    ts.Memory.FirmwareDate = 36526;
    const std::int32_t march2015 = 42064;                          // 2015/03/01
    const std::int32_t january2015 = 42014;                        // 2015/01/10
    ts.ToolChain = {connectedTool(kRarodIdirura, 201, march2015),  // stored file older
                    connectedTool(kRTD, 77, january2015),          // stored file same date
                    connectedTool(kPiezo, 5, january2015),         // stored file newer
                    connectedTool(kPiezo, 6, january2015),         // nothing stored
                    connectedTool(kCCL, 310, 0)};                  // needs no calibration
    ts.Memory.StoredFiles = {{201, kRarodIdirura, 2, january2015},
                             {77, kRTD, 3, january2015},
                             {5, kPiezo, 4, march2015}};

    const ToolGrid grid = UpdateToolChainGrid(ts);
    ASSERT_EQ(grid.rows.size(), 6u);
    EXPECT_EQ(grid.rowCount, 6);
    EXPECT_TRUE(grid.hint.empty());
    EXPECT_EQ(grid.rows[0].name, "Memory");
    EXPECT_EQ(grid.rows[0].identity, "RL00021");
    EXPECT_EQ(grid.rows[0].calDate, "N/A");
    EXPECT_EQ(grid.rows[0].firmwareDate, "2000/01/01");
    EXPECT_EQ(grid.rows[1].identity, "RP00201");
    EXPECT_EQ(grid.rows[1].calDate, "2015/03/01");
    const std::vector<std::string> statuses{"Expired", "Valid", "Error ", "Not present", "N/A"};
    for (std::size_t i = 0; i < statuses.size(); ++i) {
        EXPECT_EQ(grid.rows[i + 1].calStatusText, statuses[i]) << "row " << i + 1;
    }
    EXPECT_EQ(grid.rows[5].calDate, "N/A");
    EXPECT_EQ(calFileStatusColour(grid.rows[1].calStatus), 4534781u);
    EXPECT_EQ(calFileStatusColour(grid.rows[2].calStatus), 910337u);
    EXPECT_EQ(calFileStatusColour(grid.rows[4].calStatus), 1432534u);
    EXPECT_FALSE(calFileStatusColour(grid.rows[5].calStatus));
}

TEST(ToolChainGrid, WithoutMemoryModuleToolsStartAtTheTopAndSayNoMemory) {
    ConnectedToolString ts;
    ts.ToolChain = {connectedTool(kRTD, 77, 42014)};
    const ToolGrid grid = UpdateToolChainGrid(ts);
    ASSERT_EQ(grid.rows.size(), 1u);
    EXPECT_EQ(grid.rowCount, 6);
    EXPECT_EQ(grid.rows[0].identity, "RR00077");
    EXPECT_EQ(grid.rows[0].calStatusText, "No Memory");
    EXPECT_FALSE(grid.hint.empty());
}

}  // namespace
}  // namespace rvxmod::link
