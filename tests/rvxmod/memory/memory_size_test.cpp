#include "rvxmod/memory/memory_size.h"

#include <gtest/gtest.h>

#include "rvxmod/memory/memory_usage.h"
#include "tests/rvxmod/memory/memory_line.h"

namespace rvxmod::testing {
namespace {

using Kind = rvx::testing::ScriptedUserPort::Kind;

struct SizeCase {
    std::array<std::uint8_t, 8> codes;
    std::array<int, 8> sectors;
    int highestSector;
};

class MemorySizeQuery : public ::testing::TestWithParam<SizeCase> {};

TEST_P(MemorySizeQuery, GivesEachChipItsSectors) {
    MemoryLine line(GetParam().codes);
    line.toolString.Memory.Chips.fill(memory::chipInfoOf(64));  // from an earlier tool
    const auto limits = memory::queryMemModule_Size(*line.link, line.toolString.Memory, line.user);
    ASSERT_TRUE(limits.has_value());
    for (std::size_t chip = 0; chip < 8; ++chip) {
        const ChipInfo& info = line.toolString.Memory.Chips[chip];
        EXPECT_EQ(info.sectors, GetParam().sectors[chip]) << chip;
        EXPECT_EQ(info.blocksPerSector, GetParam().sectors[chip] > 0 ? 256 : 0) << chip;
    }
    EXPECT_EQ(limits->highestSector, GetParam().highestSector);
    EXPECT_EQ(limits->highestBlock, 255);
}

INSTANTIATE_TEST_SUITE_P(
    Chips, MemorySizeQuery,
    ::testing::Values(SizeCase{{128, 0, 0, 0, 0, 0, 0, 0}, {8, 0, 0, 0, 0, 0, 0, 0}, 7},
                      SizeCase{{32, 64, 0, 128, 0, 0, 0, 16}, {2, 4, 0, 8, 0, 0, 0, 0}, 7},
                      SizeCase{{32, 32, 0, 0, 0, 0, 0, 0}, {2, 2, 0, 0, 0, 0, 0, 0}, 1}));

TEST(MemorySizeQueryFailure, UnansweredQueryLeavesNoChips) {
    MemoryLine line({64});
    line.lossy->lose = [](std::uint8_t code) { return code == link::kGetMemorySize; };
    EXPECT_FALSE(memory::queryMemModule_Size(*line.link, line.toolString.Memory, line.user));
    EXPECT_EQ(line.toolString.Memory.Chips[0].sectors, 0);
    EXPECT_EQ(line.user.textsOf(Kind::Error),
              std::vector<std::string>{"Communications error. Please re-connect"});
}

struct UsageCase {
    int chip, sector, block;
    int percent;
};

class MemoryUsage : public ::testing::TestWithParam<UsageCase> {};

// Two 64-megabit chips: 8 x 4 x 256 = 8192 block places over the eight chip entries.
TEST_P(MemoryUsage, CountsBlocksBeforeThePosition) {
    MemoryObj memory;
    memory.Chips[0] = memory::chipInfoOf(64);
    memory.Chips[1] = memory::chipInfoOf(64);
    const UsageCase& c = GetParam();
    EXPECT_EQ(memory::calculateMemUsage(memory, c.chip, c.sector, c.block), c.percent);
}

INSTANTIATE_TEST_SUITE_P(Positions, MemoryUsage,
                         ::testing::Values(UsageCase{0, 0, 8, 0}, UsageCase{0, 1, 0, 3},
                                           // 41 / 8192 = 0.50049 %: above the half
                                           UsageCase{0, 0, 41, 1},
                                           // 1024 + 20.48 blocks for 12.5 %: halves go to even
                                           UsageCase{1, 0, 0, 12}, UsageCase{1, 0, 41, 13},
                                           UsageCase{1, 3, 255, 25}));

}  // namespace
}  // namespace rvxmod::testing
