#include "rvxmod/shell/preferences.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace rvxmod {
namespace {

namespace fs = std::filesystem;

std::string fileText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class PreferencesFile : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ =
            fs::temp_directory_path() /
            ("rvxmod_prefs_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }
    fs::path path() const { return folder_ / kPreferencesFileName; }

    fs::path folder_;
};

TEST_F(PreferencesFile, FirstRunWithoutFileGivesDefaults) {
    const Preferences first = loadPreferences(path());
    EXPECT_EQ(first.comFind, 0);  // automatic port search
    EXPECT_EQ(first.comNumber, 2);
    EXPECT_EQ(first.fileFormat, 0);               // raw counts
    EXPECT_EQ(first.timePref, 0);                 // hours
    EXPECT_EQ(first.calibrationFileLocation, 0);  // on tool
    EXPECT_EQ(first.calculationMethod, 0);        // coefficients
    EXPECT_EQ(first.timeFilterValue, 1);
    EXPECT_DOUBLE_EQ(first.atmospherePsi, 14.3);
    EXPECT_EQ(first.pUnits, 0);
    EXPECT_EQ(first.tUnits, 0);
    EXPECT_EQ(first.sUnits, 0);
    EXPECT_EQ(first.language, 0);
    EXPECT_EQ(first.soundFX, 0);
    EXPECT_EQ(first.voiceNotify, 0);
    EXPECT_FALSE(first.extraSupervisor);
    EXPECT_EQ(first.logSamplesToFile, 1);  // not logged
    EXPECT_EQ(first.logSampleFormat, 1);   // real values
}

TEST_F(PreferencesFile, SavedInFixedOrderWithCrLfAndReadBack) {
    Preferences chosen;
    chosen.comFind = 1;
    chosen.comNumber = 7;
    chosen.fileFormat = 2;
    chosen.timeFilterValue = 45;
    chosen.atmospherePsi = 14.7;
    chosen.pUnits = 3;
    chosen.language = 1;
    chosen.voiceNotify = 1;
    chosen.logSamplesToFile = 0;
    ASSERT_TRUE(savePreferences(chosen, path()).ok());

    EXPECT_EQ(fileText(path()),
              "[RVXMod_Preferences]\r\nComFind=1\r\nComNumber=7\r\nFileFormat=2\r\nTimePref=0\r\n"
              "CalibrationFileLocation=0\r\nCalculationMethod=0\r\nTUnits=0\r\nPUnits=3\r\n"
              "SUnits=0\r\nTimeFilterValue=45\r\nAtmosphere=14.700000\r\nLanguage=1\r\n"
              "SoundFX=0\r\nVoiceNotify=1\r\nGraph=O\r\nLogSamplesToFile=0\r\n"
              "LogSampleFormat=1\r\n");
    EXPECT_EQ(loadPreferences(path()), chosen);
}

TEST_F(PreferencesFile, RewriteKeepsOtherSectionsAndFixesKeyOrder) {
    std::ofstream(path(), std::ios::binary)
        << "[Other]\r\nKeep=1\r\n\r\n[RVXMod_Preferences]\r\nLogSampleFormat=0\r\nComFind=1\r\n";
    Preferences preferences = loadPreferences(path());
    EXPECT_EQ(preferences.logSampleFormat, 0);
    ASSERT_TRUE(savePreferences(preferences, path()).ok());

    const rvx::IniFile saved = rvx::IniFile::load(path());
    EXPECT_EQ(saved.value("Other", "Keep"), "1");
    const auto keys = saved.keys(kPreferencesSection);
    ASSERT_EQ(keys.size(), 17u);
    EXPECT_EQ(keys.front(), "ComFind");
    EXPECT_EQ(keys.back(), "LogSampleFormat");
}

TEST(PreferencesRead, ValuesThatAreNotValidNumbersGiveDefaults) {
    const auto preferences = readPreferences(rvx::IniFile::parse(
        "[rvxmod_preferences]\ncomnumber=x\nPUnits=10\nTUnits=-1\nTimeFilterValue=61\n"
        "FileFormat=2\nAtmosphere=high\nSoundFX=1 \n"));
    EXPECT_EQ(preferences.comNumber, 2);
    EXPECT_EQ(preferences.pUnits, 0);
    EXPECT_EQ(preferences.tUnits, 0);
    EXPECT_EQ(preferences.timeFilterValue, 1);
    EXPECT_EQ(preferences.fileFormat, 2) << "valid values around bad ones are still read";
    EXPECT_DOUBLE_EQ(preferences.atmospherePsi, 14.3);
    EXPECT_EQ(preferences.soundFX, 1);
}

TEST(PreferencesRead, AtmosphereWithCommaAndGraphMarker) {
    struct Case {
        const char* graph;
        bool extra;
    };
    for (const Case c : {Case{"S", true}, Case{"O", false}, Case{"0", false}, Case{"s", false}}) {
        const auto preferences = readPreferences(rvx::IniFile::parse(
            std::string("[RVXMod_Preferences]\r\nAtmosphere=14,7\r\nGraph=") + c.graph + "\r\n"));
        EXPECT_DOUBLE_EQ(preferences.atmospherePsi, 14.7);
        EXPECT_EQ(preferences.extraSupervisor, c.extra) << c.graph;
    }
}

}  // namespace
}  // namespace rvxmod
