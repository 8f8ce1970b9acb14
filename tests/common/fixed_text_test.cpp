#include "common/fixed_text.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace rvx {
namespace {

using ::testing::ElementsAre;

TEST(PadC, PadsShortTextsOnTheChosenSideAndKeepsLongOnes) {
    EXPECT_EQ(PadC("77", 5, true, '0'), "00077");
    EXPECT_EQ(PadC("77", 5, false, ' '), "77   ");
    EXPECT_EQ(PadC("", 3, true, '0'), "000");
    EXPECT_EQ(PadC("12345", 5, true, '0'), "12345");
    EXPECT_EQ(PadC("123456", 5, true, '0'), "123456");
}

TEST(SplitLines, AcceptsLfAndCrLfWithoutAnEmptyLastLine) {
    EXPECT_THAT(splitLines("a\r\nb\nc\r\n"), ElementsAre("a", "b", "c"));
    EXPECT_THAT(splitLines("a\n\r\n\nb"), ElementsAre("a", "", "", "b"));
    EXPECT_THAT(splitLines("a\rb"), ElementsAre("a\rb"));
    EXPECT_TRUE(splitLines("").empty());
}

TEST(Trim, RemovesSpacesAndControlCharactersOnTheAskedSides) {
    EXPECT_EQ(trim(" \ta b\t "), "a b");
    EXPECT_EQ(trimLeft(" \ta b\t "), "a b\t ");
    EXPECT_EQ(trimRight(" \ta b\t "), " \ta b");
    EXPECT_EQ(trim(" \t "), "");
    EXPECT_EQ(trim("\r\x01 12,5\r"), "12,5");
    EXPECT_EQ(trim("\xC3\xB1 "), "\xC3\xB1");  // bytes of UTF-8 letters are not blanks
}

TEST(EqualsIgnoringCase, ComparesAsciiLettersCaseBlind) {
    EXPECT_TRUE(equalsIgnoringCase("File.BAK", "file.bak"));
    EXPECT_FALSE(equalsIgnoringCase("file", "files"));
    EXPECT_FALSE(equalsIgnoringCase("[", "{"));  // 0x5B vs 0x7B differ by the case bit only
}

}  // namespace
}  // namespace rvx
