#include "rvxmod/memory/format_tool.h"

#include <gtest/gtest.h>

#include "rvxmod/memory/cal_slots.h"
#include "rvxmod/sim/bad_block_table.h"
#include "tests/rvxmod/memory/flash_patterns.h"
#include "tests/rvxmod/memory/memory_line.h"

namespace rvxmod::testing {
namespace {

using Kind = rvx::testing::ScriptedUserPort::Kind;

struct Seen {
    std::vector<std::pair<int, int>> sectors;
    std::vector<int> sectorBar;
};

memory::FormatView viewInto(Seen& seen) {
    return {[&seen](int chip, int sector) { seen.sectors.emplace_back(chip, sector); },
            [&seen](int value, int) { seen.sectorBar.push_back(value); }};
}

TEST(Format, FollowsTheToolSectorBySectorAndRereadsWhatItErased) {
    MemoryLine line({64, 32});
    fillReservedGroup(line.flash());
    fillBlock(line.flash(), {1, 1, 40, 0}, 9);
    line.flash().markBad({1, 0, 77, 0});
    sim::writeBadBlockTable(line.flash());
    memory::LoadCalsFromMemoryTool(*line.link, line.toolString, line.user);
    ASSERT_FALSE(line.toolString.Memory.StoredFiles.empty());
    bool programRead = false;
    Seen seen;

    ASSERT_TRUE(memory::startFormat(*line.link, line.toolString, line.buffers.badBlocks, line.user,
                                    viewInto(seen), {[&] { programRead = true; }}));

    const std::vector<std::pair<int, int>> expected{{0, 0}, {0, 1}, {0, 2}, {0, 3}, {1, 0}, {1, 1}};
    EXPECT_EQ(seen.sectors, expected);
    EXPECT_EQ(std::count(seen.sectorBar.begin(), seen.sectorBar.end(), 99), 6);
    EXPECT_EQ(line.user.textsOf(Kind::Progress).back(), "6/6");
    EXPECT_TRUE(line.buffers.badBlocks.isBad(1, 0, 77));
    EXPECT_TRUE(line.toolString.Memory.StoredFiles.empty());
    EXPECT_EQ(line.block(1, 1, 40), Bytes(8192, 0xFF));
    EXPECT_TRUE(programRead);
    EXPECT_EQ(line.link->receiver().mode(), link::ReceiveMode::Ordinary);
    EXPECT_TRUE(line.user.commandsBalanced());
}

struct PaceCase {
    const char* name;
    int sectorMs;
    std::vector<int> barPerSector;
};

// The bar moves one step per 950 ms until the sector's frame arrives; a tool that formats
// faster than that never leaves the program a sector behind.
const PaceCase kPaces[] = {
    {"Slow", 3000, {0, 1, 2, 3, 99}},
    {"Quick", 100, {0, 99}},
};

class FormatPace : public ::testing::TestWithParam<PaceCase> {};

TEST_P(FormatPace, SectorBarFollowsTheFrames) {
    MemoryLine line({32});
    line.simulator->setFormatSectorTime(link::Millis(GetParam().sectorMs));
    Seen seen;
    ASSERT_TRUE(memory::startFormat(*line.link, line.toolString, line.buffers.badBlocks, line.user,
                                    viewInto(seen)));
    std::vector<int> expected = GetParam().barPerSector;
    expected.insert(expected.end(), GetParam().barPerSector.begin(), GetParam().barPerSector.end());
    EXPECT_EQ(seen.sectorBar, expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, FormatPace, ::testing::ValuesIn(kPaces),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(Format, UnacknowledgedFormatChangesNothing) {
    MemoryLine line({32});
    fillReservedGroup(line.flash());
    const Bytes before = line.block(0, 0, 2);
    line.lossy->lose = [](std::uint8_t code) { return code == link::kFormat; };
    Seen seen;
    EXPECT_FALSE(memory::startFormat(*line.link, line.toolString, line.buffers.badBlocks, line.user,
                                     viewInto(seen)));
    EXPECT_EQ(line.user.textsOf(Kind::Error),
              std::vector<std::string>{"No response from tool, aborting format."});
    EXPECT_TRUE(seen.sectors.empty());
    EXPECT_EQ(line.block(0, 0, 2), before);
    EXPECT_EQ(line.link->receiver().mode(), link::ReceiveMode::Ordinary);
    EXPECT_TRUE(line.user.commandsBalanced());
}

TEST(Format, AsksFirstAndNeedsAMemoryModule) {
    MemoryLine line;
    line.user.answers = {true};
    EXPECT_TRUE(memory::confirmFormat(line.toolString, line.user));
    EXPECT_FALSE(memory::confirmFormat(line.toolString, line.user));  // Cancel
    line.toolString.MemoryPresent = false;
    EXPECT_FALSE(memory::confirmFormat(line.toolString, line.user));
    EXPECT_EQ(line.user.textsOf(Kind::Warning),
              std::vector<std::string>{"There is no memory module present, cannot format."});
}

}  // namespace
}  // namespace rvxmod::testing
