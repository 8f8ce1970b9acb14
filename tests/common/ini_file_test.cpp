#include "common/ini_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/text_file.h"
#include "tests/common/temp_folder.h"

namespace rvx {
namespace {

using ::testing::ElementsAre;

constexpr std::string_view kPreferences =
    "; written by hand\n"
    "[RVXMod_Preferences]\n"
    "ComPort=3\r\n"
    "  Units = Metric  \n"
    "ComPort=7\n"
    "\n"
    "[Other]\n"
    "Sound=TRUE\n"
    "not an entry\n"
    "[rvxmod_preferences]\n"
    "Language=Spanish\n";

TEST(IniFile, ReadsSectionsAndKeysIgnoringCaseAndBlanks) {
    const IniFile ini = IniFile::parse(kPreferences);
    EXPECT_EQ(ini.value("rvxmod_PREFERENCES", "comport"), "3");  // first of repeated keys
    EXPECT_EQ(ini.value("RVXMod_Preferences", "UNITS"), "Metric");
    EXPECT_EQ(ini.value("RVXMod_Preferences", "Language"), "Spanish");  // repeated header merges
    EXPECT_EQ(ini.value("Other", "Missing"), std::nullopt);
    EXPECT_EQ(ini.value("Missing", "Sound"), std::nullopt);
    EXPECT_EQ(ini.valueOr("Other", "Missing", "FALSE"), "FALSE");
    EXPECT_THAT(ini.sections(), ElementsAre("RVXMod_Preferences", "Other"));
    EXPECT_THAT(ini.keys("rvxmod_preferences"), ElementsAre("ComPort", "Units", "Language"));
}

TEST(IniFile, SetValueKeepsPlaceAndSpellingOfExistingKeysAndAppendsNewOnes) {
    IniFile ini = IniFile::parse("[A]\r\nFirst=1\r\nSecond=2\r\n");
    ini.setValue("a", "FIRST", "one");
    ini.setValue("A", "Third", "3");
    ini.setValue("B", "Only", "x");
    EXPECT_EQ(ini.toText(), "[A]\r\nFirst=one\r\nSecond=2\r\nThird=3\r\n\r\n[B]\r\nOnly=x\r\n");
}

TEST(IniFile, EraseSectionRemovesItWhateverItsCase) {
    IniFile ini = IniFile::parse("[A]\nk=1\n[B]\nk=2\n");
    ini.eraseSection("a");
    EXPECT_THAT(ini.sections(), ElementsAre("B"));
    EXPECT_TRUE(ini.keys("A").empty());
}

TEST(IniFile, SaveAndLoadRoundTripWithCrLf) {
    const testing::TempFolder folder;
    const auto path = folder.file("QZ_RVXMod.ini");
    IniFile ini;
    ini.setValue("RVXMod_Preferences", "Baud", "230400");
    ini.setValue("RVXMod_Preferences", "Path", "C:\\Data\\a=b");
    ASSERT_TRUE(ini.save(path).ok());

    EXPECT_EQ(*readTextFile(path), "[RVXMod_Preferences]\r\nBaud=230400\r\nPath=C:\\Data\\a=b\r\n");
    const IniFile loaded = IniFile::load(path);
    EXPECT_EQ(loaded.toText(), ini.toText());
}

TEST(IniFile, MissingFileLoadsEmptyAndUnwritableFolderFailsToSave) {
    const testing::TempFolder folder;
    EXPECT_TRUE(IniFile::load(folder.file("absent.ini")).sections().empty());
    IniFile ini;
    ini.setValue("S", "K", "V");
    EXPECT_FALSE(ini.save(folder.file("no/such/folder/x.ini")).ok());
}

}  // namespace
}  // namespace rvx
