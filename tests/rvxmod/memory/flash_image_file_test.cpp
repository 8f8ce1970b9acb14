#include <gtest/gtest.h>

#include <filesystem>

#include "rvxmod/sim/bad_block_table.h"
#include "rvxmod/sim/recorded_memory.h"
#include "tests/rvxmod/memory/flash_patterns.h"

namespace rvxmod::testing {
namespace {

// A simulator session survives a restart: the image file brings back every block and the bad
// blocks the table names.
TEST(FlashImageFile, SavedImageComesBackWithItsBadBlocks) {
    const auto path =
        std::filesystem::temp_directory_path() /
        ("h8_image_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    sim::FlashImage saved({32, 0, 32});
    fillReservedGroup(saved);
    saved.markBad({2, 1, 99, 0});
    sim::recordScenarioJobs(sim::demoScenario(), saved);
    ASSERT_TRUE(saved.saveRaw(path).ok());

    sim::FlashImage loaded({32, 0, 32});
    ASSERT_TRUE(loaded.loadRaw(path).ok());
    sim::markBadBlocksFromTable(loaded);
    std::filesystem::remove(path);
    for (int chip : {0, 2}) {
        for (int sector = 0; sector < 2; ++sector) {
            for (int block = 0; block < 256; ++block) {
                const sim::FlashAddress at{chip, sector, block, 0};
                ASSERT_EQ(loaded.readBlock(at), saved.readBlock(at));
                ASSERT_EQ(loaded.isBad(at), saved.isBad(at));
            }
        }
    }
    EXPECT_TRUE(loaded.isBad({0, 0, 40, 0}));
    EXPECT_TRUE(loaded.isBad({2, 1, 99, 0}));
}

TEST(FlashImageFile, BadBlockFailsAsFlashDoes) {
    sim::FlashImage flash({32});
    flash.markBad({0, 1, 9, 0});
    EXPECT_FALSE(flash.writeLine({0, 1, 9, 0}, std::vector<std::uint8_t>(64, 0x12)));
    EXPECT_EQ(flash.readBlock({0, 1, 9, 0}), std::vector<std::uint8_t>(8192, 0x00));
    fillBlock(flash, {0, 1, 10, 0}, 5);
    EXPECT_TRUE(flash.eraseGroup({0, 1, 9, 0}));
    EXPECT_EQ(flash.readBlock({0, 1, 10, 0}), std::vector<std::uint8_t>(8192, 0xFF));
    EXPECT_EQ(flash.readBlock({0, 1, 9, 0}), std::vector<std::uint8_t>(8192, 0x00));
}

// Without chip 0 there is no place for the table; the jobs go to the first chip there is.
TEST(FlashImageFile, MemoryWithoutChipZeroHasNoTable) {
    sim::FlashImage flash({0, 64});
    const auto jobs = sim::recordScenarioJobs(sim::demoScenario(), flash);
    ASSERT_FALSE(jobs.empty());
    EXPECT_EQ(jobs.front().first.chip, 1);
    EXPECT_EQ(jobs.front().first.block, 0);
}

}  // namespace
}  // namespace rvxmod::testing
