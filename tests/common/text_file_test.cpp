#include "common/text_file.h"

#include <gtest/gtest.h>

#include "tests/common/temp_folder.h"

namespace rvx {
namespace {

TEST(TextFile, WritesAtomicallyAndReadsBackTheSameBytes) {
    const testing::TempFolder folder;
    const auto path = folder.file("out.txt");
    ASSERT_TRUE(writeFileAtomically(path, "old\r\n").ok());
    ASSERT_TRUE(writeFileAtomically(path, "line 1\r\nline 2\r\n").ok());
    EXPECT_EQ(*readTextFile(path), "line 1\r\nline 2\r\n");
    // Only the target is left: the temporary file was renamed into place.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(TextFile, ReportsUnreadableAndUnwritablePaths) {
    const testing::TempFolder folder;
    EXPECT_FALSE(readTextFile(folder.file("absent.txt")).ok());
    EXPECT_FALSE(readTextFile(folder.path()).ok());
    EXPECT_FALSE(writeFileAtomically(folder.file("absent/out.txt"), "x").ok());
}

TEST(BackupExisting, MovesTheFileAsideOnceAndRefusesToReplaceAnOlderBackup) {
    const testing::TempFolder folder;
    const auto path = folder.file("well.las");
    const auto backup = folder.file("well.BAK");
    EXPECT_TRUE(backupExisting(path).ok());  // nothing to keep yet

    ASSERT_TRUE(writeFileAtomically(path, "first").ok());
    ASSERT_TRUE(backupExisting(path).ok());
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(*readTextFile(backup), "first");

    ASSERT_TRUE(writeFileAtomically(path, "second").ok());
    const Status second = backupExisting(path);
    ASSERT_FALSE(second.ok());
    EXPECT_EQ(second.error().message, "Unable to create backup file.");
    EXPECT_EQ(*readTextFile(backup), "first");
    EXPECT_EQ(*readTextFile(path), "second");
}

}  // namespace
}  // namespace rvx
