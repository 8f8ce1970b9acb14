#include "rvxmod/memory/bad_block_map.h"

#include <gtest/gtest.h>

#include "rvxmod/sim/bad_block_table.h"
#include "tests/rvxmod/memory/memory_line.h"

namespace rvxmod::testing {
namespace {

using Kind = rvx::testing::ScriptedUserPort::Kind;

void writeLine(sim::FlashImage& flash, int line, Bytes bytes) {
    flash.writeLine({0, 0, 0, line}, bytes);
}

// A table that marks only block 8 of chip 0, sector 0 bad.
void writeTableWithBlock8Bad(sim::FlashImage& flash, int sectors) {
    Bytes head(64, 0xFF);
    head[0] = 0x88;
    writeLine(flash, 0, head);
    for (int sector = 0; sector < sectors; ++sector) {
        Bytes bitmap(64, 0xFF);
        if (sector == 0) bitmap[1] = 0xFE;
        writeLine(flash, 1 + sector, bitmap);
    }
}

TEST(BadBlockTable, OneChipMemoryShowsItsSectorsAndTheAbsentChips) {
    MemoryLine line({32});
    writeTableWithBlock8Bad(line.flash(), 2);
    ASSERT_TRUE(
        memory::getBBT(*line.link, line.toolString.Memory, line.buffers.badBlocks, line.user));

    std::string sector0(256, '|');
    sector0[8] = 'B';
    std::vector<std::string> expected{"",      " Chip: 0",    "  Sector: 0",
                                      sector0, "  Sector: 1", std::string(256, '|')};
    for (int chip = 1; chip < 8; ++chip) {
        expected.insert(expected.end(), {"", " Chip: " + std::to_string(chip),
                                         "  Chip not responding. All bad blocks."});
    }
    // One bad block among the 512 of the present chip.
    expected.insert(expected.end(), {"", "********************", "0% of total blocks are bad."});
    EXPECT_EQ(memory::readBBTable(*line.link, line.toolString, line.buffers.badBlocks, line.user),
              expected);
    EXPECT_TRUE(line.buffers.badBlocks.isBad(0, 0, 8));
    EXPECT_FALSE(line.buffers.badBlocks.isBad(0, 0, 9));
}

TEST(BadBlockTable, SimulatorBadBlocksComeBackThroughTheTable) {
    MemoryLine line({32, 0, 32});
    const std::vector<sim::FlashAddress> bad{{0, 0, 3, 0},   {0, 1, 255, 0}, {2, 1, 17, 0},
                                             {2, 0, 100, 0}, {2, 0, 101, 0}, {2, 0, 102, 0}};
    for (const auto& at : bad) line.flash().markBad(at);
    sim::writeBadBlockTable(line.flash());
    ASSERT_TRUE(
        memory::getBBT(*line.link, line.toolString.Memory, line.buffers.badBlocks, line.user));
    int badCount = 0;
    for (int chip : {0, 2}) {
        for (int sector = 0; sector < 2; ++sector) {
            for (int block = 0; block < 256; ++block) {
                const bool expected = std::any_of(bad.begin(), bad.end(), [&](const auto& at) {
                    return at.chip == chip && at.sector == sector && at.block == block;
                });
                EXPECT_EQ(line.buffers.badBlocks.isBad(chip, sector, block), expected);
                badCount += expected ? 1 : 0;
            }
        }
    }
    const auto memo = memory::showBBT(line.toolString.Memory, line.buffers.badBlocks);
    // 6 of 1024 blocks: 0.59 % rounds to 1; block 3 is one of the reserved blocks.
    EXPECT_EQ(badCount, 6);
    EXPECT_EQ(memo[memo.size() - 2], "1% of total blocks are bad.");
    EXPECT_EQ(memo.back(), "A critical block in memory #1 (U2) is bad.");
}

class MissingTable : public ::testing::TestWithParam<std::uint8_t> {};

TEST_P(MissingTable, IsReportedAndLeavesTheMapClear) {
    MemoryLine line({32});
    writeTableWithBlock8Bad(line.flash(), 2);
    line.buffers.badBlocks.setBad(0, 1, 7, true);  // left from an earlier reading
    Bytes head(64, 0xFF);
    head[0] = GetParam();
    line.flash().eraseGroup({0, 0, 0, 0});
    writeLine(line.flash(), 0, head);

    EXPECT_TRUE(
        memory::getBBT(*line.link, line.toolString.Memory, line.buffers.badBlocks, line.user));
    EXPECT_TRUE(memory::readBBTable(*line.link, line.toolString, line.buffers.badBlocks, line.user)
                    .empty());
    EXPECT_EQ(line.user.textsOf(Kind::Error),
              std::vector<std::string>{"Bad Block table not on tool"});
    EXPECT_FALSE(line.buffers.badBlocks.isBad(0, 1, 7));
}

INSTANTIATE_TEST_SUITE_P(FirstByte, MissingTable, ::testing::Values(0x00, 0x87, 0xFF));

TEST(BadBlockTable, UnreadableTableIsReported) {
    MemoryLine line({32});
    line.lossy->lose = [](std::uint8_t code) { return code == link::kReadLine; };
    EXPECT_FALSE(
        memory::getBBT(*line.link, line.toolString.Memory, line.buffers.badBlocks, line.user));
    EXPECT_EQ(line.user.textsOf(Kind::Error),
              std::vector<std::string>{"Could not read Bad Block table."});
}

}  // namespace
}  // namespace rvxmod::testing
