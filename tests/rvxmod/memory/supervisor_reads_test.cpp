#include "rvxmod/memory/supervisor_reads.h"

#include <gtest/gtest.h>

#include "tests/rvxmod/memory/flash_patterns.h"
#include "tests/rvxmod/memory/memory_line.h"

namespace rvxmod::testing {
namespace {

using Kind = rvx::testing::ScriptedUserPort::Kind;

std::string hexOf(const Bytes& bytes) {
    std::string text;
    char digits[3];
    for (std::uint8_t b : bytes) {
        std::snprintf(digits, sizeof digits, "%02X", b);
        text += digits;
    }
    return text;
}

TEST(SupervisorReads, BlockAndLineComeOutAsUpperCaseHex) {
    MemoryLine line({128});
    fillBlock(line.flash(), {0, 7, 200, 0}, 3);
    const Bytes block = line.block(0, 7, 200);
    EXPECT_EQ(memory::readBlockForMemo(*line.link, line.toolString, {0, 7, 200, 0}, line.user),
              hexOf(block));
    EXPECT_EQ(memory::readLineForMemo(*line.link, line.toolString, {0, 7, 200, 127}, line.user),
              hexOf(Bytes(block.end() - 64, block.end())));
}

struct RefusedCase {
    const char* name;
    link::MemoryAddress address;
};

// One 128-megabit chip: 8 sectors of 256 blocks.
const RefusedCase kRefused[] = {
    {"AbsentChip", {1, 0, 0, 0}},
    {"SectorBeyondTheChip", {0, 8, 0, 0}},
    {"LineBeyondTheBlock", {0, 0, 0, 128}},
};

class SupervisorReadRefused : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(SupervisorReadRefused, DoesNothing) {
    MemoryLine line({128});
    line.toolString.Memory.Chips[0] = memory::chipInfoOf(128);
    EXPECT_FALSE(
        memory::readLineForMemo(*line.link, line.toolString, GetParam().address, line.user));
    EXPECT_TRUE(line.user.textsOf(Kind::Warning).empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, SupervisorReadRefused, ::testing::ValuesIn(kRefused),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(SupervisorReads, FailedReadIsAMemoLineAndQuickConnectRefuses) {
    MemoryLine line;
    line.lossy->lose = [](std::uint8_t code) { return code == link::kReadBlock; };
    EXPECT_EQ(memory::readBlockForMemo(*line.link, line.toolString, {0, 0, 9, 0}, line.user),
              "Read failed, reset tool and check communications");
    line.toolString.QuickConnect = true;
    EXPECT_FALSE(memory::readBlockForMemo(*line.link, line.toolString, {0, 0, 9, 0}, line.user));
    EXPECT_EQ(line.user.textsOf(Kind::Warning).size(), 1U);
}

}  // namespace
}  // namespace rvxmod::testing
