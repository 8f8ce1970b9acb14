#include "rvxmod/model/tool_string.h"

#include <gtest/gtest.h>

#include "rvxmod/model/tool_types.h"

namespace rvxmod {
namespace {

TEST(ToolStringModel, GetIndexInChainTellsToolsApartByTypeAndSerial) {
    const TToolChain chain = {makeJobTool(kCCL, 12), makeJobTool(kCCL, 13), makeJobTool(kRTD, 12),
                              makeJobTool(kCCL, 13)};
    EXPECT_EQ(getIndexInChain(kCCL, 13, chain), 1);  // duplicates resolve to the lower index
    EXPECT_EQ(getIndexInChain(kRTD, 12, chain), 2);
    EXPECT_EQ(getIndexInChain(kRTD, 13, chain), -1);
    EXPECT_EQ(getIndexInChain(kCCL, 12, TToolChain{}), -1);
}

TEST(ToolStringModel, IsToolPresentInTCLooksInTheJobsToolString) {
    MemoryObj memory;
    memory.Jobs.resize(2);
    memory.Jobs[1].Tools = {makeJobTool(kPiezo, 201)};
    EXPECT_TRUE(isToolPresentInTC(memory, 1, kPiezo, 201));
    EXPECT_FALSE(isToolPresentInTC(memory, 0, kPiezo, 201));  // empty tool string
    EXPECT_FALSE(isToolPresentInTC(memory, 5, kPiezo, 201));  // no such job
}

TEST(ToolStringModel, JobToolsFollowTheTypeTable) {
    struct Case {
        std::uint32_t type;
        const char* name;
        const char* code;
        int dataLength;
        bool needsCal;
    };
    const Case cases[] = {{kZizorIrediz, "ZizorIrediz", "", 11, true}, {kCCL, "CCL", "RC", 3, false},
                          {kRTD, "RTD", "RR", 3, true},  {kPiezo, "Piezo", "RZ", 6, true},
                          {kRarodIdirura, "RarodIdirura", "RP", 8, true},
                          {kSpinner, "Spinner", "RS", 2, false}, {42, "Unrecognized", "", 0, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ToolObj tool = makeJobTool(c.type, 7);
        EXPECT_EQ(tool.ToolName, c.name);
        EXPECT_EQ(tool.ToolCode, c.code);
        EXPECT_EQ(tool.DataLength, c.dataLength);
        EXPECT_EQ(tool.NeedsCal, c.needsCal);
        EXPECT_EQ(tool.CalBlockIndex, -1);
    }
}

TEST(ToolStringModel, RecordsPerBlockRoundsHalfToEven) {
    EXPECT_EQ(recordsPerBlock(20), 406);  // 8128 / 20 = 406.4
    EXPECT_EQ(recordsPerBlock(64), 127);
    EXPECT_EQ(recordsPerBlock(16256), 0);  // 0.5 goes to the even neighbour 0
    EXPECT_EQ(recordsPerBlock(128), 64);   // 63.5 goes to 64
    EXPECT_EQ(recordsPerBlock(5419), 1);   // 1.49991 rounds down
    EXPECT_EQ(recordsPerBlock(0), 0);
}

TEST(ToolStringModel, ResetMemoryToolClearsEverything) {
    MemoryObj memory;
    memory.JobCount = 3;
    memory.Type = 3;
    memory.SerialNumber = 77;
    memory.Name = "Memory";
    memory.Chips[0] = {64, 4, 256};
    memory.Jobs.resize(3);
    memory.StoredFiles.resize(1);
    resetMemoryTool(memory);
    EXPECT_EQ(memory.JobCount, 0);
    EXPECT_EQ(memory.Type, -1);
    EXPECT_EQ(memory.SerialNumber, -1);
    EXPECT_EQ(memory.ToolLength, -1);
    EXPECT_TRUE(memory.Name.empty());
    for (const ChipInfo& chip : memory.Chips) {
        EXPECT_EQ(chip.sizeCode, -1);
        EXPECT_EQ(chip.sectors, -1);
        EXPECT_EQ(chip.blocksPerSector, -1);
    }
    EXPECT_TRUE(memory.Jobs.empty());
    EXPECT_TRUE(memory.StoredFiles.empty());
}

}  // namespace
}  // namespace rvxmod
