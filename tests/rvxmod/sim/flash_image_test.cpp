#include "rvxmod/sim/flash_image.h"

#include <gtest/gtest.h>

#include <fstream>

namespace rvxmod::sim {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(FlashImage, GeometryFollowsTheChipSizes) {
    const FlashImage flash({32, 0, 128, 64, 7});
    EXPECT_EQ(flash.sectorsOf(0), 2);
    EXPECT_EQ(flash.sectorsOf(1), 0);
    EXPECT_EQ(flash.sectorsOf(2), 8);
    EXPECT_EQ(flash.sectorsOf(3), 4);
    EXPECT_EQ(flash.sectorsOf(4), 0);
    EXPECT_TRUE(flash.contains({0, 1, 255, 127}));
    EXPECT_FALSE(flash.contains({0, 2, 0, 0}));
    EXPECT_FALSE(flash.contains({0, 0, 256, 0}));
    EXPECT_FALSE(flash.contains({0, 0, 0, 128}));
    EXPECT_FALSE(flash.contains({1, 0, 0, 0}));
    EXPECT_FALSE(flash.readLine({1, 0, 0, 0}));
}

TEST(FlashImage, ProgrammingOnlyClearsBitsUntilTheGroupIsErased) {
    FlashImage flash;
    EXPECT_EQ(*flash.readLine({0, 3, 200, 5}), Bytes(64, 0xFF));
    ASSERT_TRUE(flash.writeLine({0, 3, 200, 5}, Bytes(64, 0xF0)));
    ASSERT_TRUE(flash.writeLine({0, 3, 200, 5}, Bytes(64, 0x3C)));
    EXPECT_EQ(*flash.readLine({0, 3, 200, 5}), Bytes(64, 0x30));
    EXPECT_EQ(*flash.readLine({0, 3, 200, 4}), Bytes(64, 0xFF));
    ASSERT_TRUE(flash.writeLine({0, 3, 207, 0}, Bytes(64, 0)));
    ASSERT_TRUE(flash.writeLine({0, 3, 208, 0}, Bytes(64, 0)));
    ASSERT_TRUE(flash.eraseGroup({0, 3, 203, 0}));
    EXPECT_EQ(*flash.readLine({0, 3, 200, 5}), Bytes(64, 0xFF));
    EXPECT_EQ(*flash.readLine({0, 3, 207, 0}), Bytes(64, 0xFF));
    EXPECT_EQ(*flash.readLine({0, 3, 208, 0}), Bytes(64, 0));
}

TEST(FlashImage, LoadsARawDumpBlockAfterBlock) {
    const auto path = std::filesystem::temp_directory_path() / "rvxsim_flash_image_test.bin";
    {
        std::ofstream file(path, std::ios::binary);
        const Bytes first(FlashImage::kBlockBytes, 0x11);
        file.write(reinterpret_cast<const char*>(first.data()), FlashImage::kBlockBytes);
        file.put(0x22);
    }
    FlashImage flash;
    ASSERT_TRUE(flash.loadRaw(path).ok());
    EXPECT_EQ(*flash.readBlock({0, 0, 0, 0}), Bytes(FlashImage::kBlockBytes, 0x11));
    const auto second = *flash.readBlock({0, 0, 1, 0});
    EXPECT_EQ(second[0], 0x22);
    EXPECT_EQ(second[1], 0xFF);
    EXPECT_FALSE(flash.loadRaw(path.string() + ".missing").ok());
    std::filesystem::remove(path);
}

}  // namespace
}  // namespace rvxmod::sim
