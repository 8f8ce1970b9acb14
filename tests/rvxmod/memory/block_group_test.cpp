#include "rvxmod/memory/block_group.h"

#include <gtest/gtest.h>

#include "tests/rvxmod/memory/flash_patterns.h"
#include "tests/rvxmod/memory/memory_line.h"

namespace rvxmod::testing {
namespace {

using Kind = rvx::testing::ScriptedUserPort::Kind;
using memory::EraseRestore;

constexpr const char* kLostData = "Error while erasing - Some data may have been lost.";

std::vector<Bytes> groupOf(MemoryLine& line, int firstBlock) {
    std::vector<Bytes> blocks;
    for (int b = firstBlock; b < firstBlock + 8; ++b) blocks.push_back(line.block(0, 0, b));
    return blocks;
}

const Bytes kErasedBlock(8192, 0xFF);

struct EraseCase {
    const char* name;
    int block;
    EraseRestore restore;
    std::vector<int> keepErased;
    std::vector<int> endErased;  // every other block of the group keeps its bytes
};

const EraseCase kEraseCases[] = {
    {"OneCalSlot", 3, EraseRestore::Others, {}, {3}},
    {"InTheJobArea", 13, EraseRestore::Others, {}, {13}},
    {"ChosenCalSlots", 2, EraseRestore::List, {2, 5}, {2, 5}},
    {"AllCalSlots", 2, EraseRestore::List, {2, 3, 4, 5, 6, 7}, {2, 3, 4, 5, 6, 7}},
    {"WholeGroup", 9, EraseRestore::None, {}, {8, 9, 10, 11, 12, 13, 14, 15}},
};

class BlockGroupErase : public ::testing::TestWithParam<EraseCase> {};

TEST_P(BlockGroupErase, LeavesOnlyTheChosenBlocksErased) {
    const EraseCase& c = GetParam();
    MemoryLine line;
    const int first = c.block - c.block % 8;
    for (int b = first; b < first + 8; ++b) {
        fillBlock(line.flash(), {0, 0, b, 0}, static_cast<std::uint8_t>(b + 1));
    }
    const std::vector<Bytes> before = groupOf(line, first);
    memory::KeepErasedList keep;
    for (int b : c.keepErased) ASSERT_TRUE(keep.add(b));

    EXPECT_TRUE(memory::eraseBlockGroup(*line.link, line.user, line.buffers.backup,
                                        {0, 0, c.block, 0}, c.restore, keep));

    const std::vector<Bytes> after = groupOf(line, first);
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(first + i);
        const bool erased =
            std::find(c.endErased.begin(), c.endErased.end(), first + i) != c.endErased.end();
        EXPECT_EQ(after[static_cast<std::size_t>(i)],
                  erased ? kErasedBlock : before[static_cast<std::size_t>(i)]);
    }
    EXPECT_TRUE(line.user.textsOf(Kind::Error).empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, BlockGroupErase, ::testing::ValuesIn(kEraseCases),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(BlockGroupRestore, FailingMidwayIsReportedAndTheBackupStaysToFinishIt) {
    MemoryLine line;
    fillReservedGroup(line.flash());
    const std::vector<Bytes> before = groupOf(line, 0);
    int lineWrites = 0;
    line.lossy->lose = [&](std::uint8_t code) {
        return code == link::kSetLine && ++lineWrites > 300;  // the link drops out mid-restore
    };

    EXPECT_FALSE(memory::eraseBlockGroup(*line.link, line.user, line.buffers.backup, {0, 0, 3, 0},
                                         EraseRestore::Others));
    EXPECT_EQ(line.user.textsOf(Kind::Error), std::vector<std::string>{kLostData});
    EXPECT_NE(groupOf(line, 0)[7], before[7]);
    for (int i = 0; i < 8; ++i) {
        const auto held = line.buffers.backup.block(i);
        EXPECT_EQ(Bytes(held.begin(), held.end()), before[static_cast<std::size_t>(i)]);
    }

    line.lossy->lose = nullptr;
    EXPECT_TRUE(line.buffers.backup.RestoreBlocks(*line.link, line.user, 0, 0, 0, 3));
    std::vector<Bytes> expected = before;
    expected[3] = kErasedBlock;
    EXPECT_EQ(groupOf(line, 0), expected);
}

TEST(BlockGroupRestore, GroupThatCannotBeBackedUpIsNotErased) {
    MemoryLine line;
    fillReservedGroup(line.flash());
    const std::vector<Bytes> before = groupOf(line, 0);
    int blockReads = 0;
    line.lossy->lose = [&](std::uint8_t code) {
        return code == link::kReadBlock && ++blockReads > 5;
    };
    EXPECT_FALSE(memory::eraseBlockGroup(*line.link, line.user, line.buffers.backup, {0, 0, 0, 0},
                                         EraseRestore::Others));
    EXPECT_EQ(line.buffers.backup.blocksHeld(), 5);
    EXPECT_EQ(groupOf(line, 0), before);
}

TEST(BlockGroupRestore, BackupBlockCopiesBlockZero) {
    MemoryLine line;
    fillReservedGroup(line.flash());
    std::vector<std::uint8_t> copy;
    ASSERT_TRUE(memory::BackupBlock(*line.link, copy));
    EXPECT_EQ(copy, line.block(0, 0, 0));
}

}  // namespace
}  // namespace rvxmod::testing
