#include "veltrix/project/settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/text_file.h"
#include "tests/common/temp_folder.h"

namespace veltrix {
namespace {

Settings fromText(const std::string& veltrixLines, char decimalSeparator = '.') {
    return readSettings(rvx::IniFile::parse("[Veltrix]\n" + veltrixLines), decimalSeparator);
}

TEST(Settings, MissingFileGivesTheDefaults) {
    const rvx::testing::TempFolder folder;
    const Settings settings = loadSettings(folder.file(std::string(kSettingsFileName)), '.');
    EXPECT_DOUBLE_EQ(settings.depthInterval, 0.1);
    EXPECT_DOUBLE_EQ(settings.cclGain, 0.05);
    EXPECT_FALSE(settings.pseudoMerge);
    EXPECT_EQ(settings.paperType, 37);
    EXPECT_TRUE(settings.logoFileName.empty());
    EXPECT_EQ(settings.depthOpenFilterIndex, 1);
    EXPECT_FALSE(settings.useToolString);
    EXPECT_TRUE(settings.feetChecked);
    EXPECT_FALSE(settings.metersChecked);
    EXPECT_EQ(settings.depthDefaultTab, 0);
}

TEST(Settings, SavesTheNineKeysInOrderAndReadsThemBack) {
    const rvx::testing::TempFolder folder;
    const auto path = folder.file(std::string(kSettingsFileName));
    Settings saved;
    saved.depthInterval = 0.25;
    saved.cclGain = 0.5;
    saved.pseudoMerge = true;
    saved.paperType = 9;
    saved.logoFileName = "/logos/company.png";
    saved.depthOpenFilterIndex = 3;
    saved.useToolString = true;
    saved.feetChecked = false;
    saved.metersChecked = true;
    saved.depthDefaultTab = 1;
    ASSERT_TRUE(saveSettings(saved, ',', path).ok());

    const rvx::IniFile file = rvx::IniFile::load(path);
    EXPECT_EQ(file.keys(kSettingsSection),
              (std::vector<std::string>{"DepthInterval", "CCLGain", "PseudoMerge", "PaperType",
                                        "LogoFileName", "DepthOpenFilterIndex", "UseToolString",
                                        "DepthDefaultTab", "DepthUnitsFeet"}));
    EXPECT_EQ(file.value(kSettingsSection, "DepthInterval"), "0,25");
    EXPECT_EQ(file.value(kSettingsSection, "DepthUnitsFeet"), "FALSE");
    EXPECT_NE(rvx::readTextFile(path).value().find("PseudoMerge=TRUE\r\n"), std::string::npos);

    const Settings loaded = loadSettings(path, ',');
    EXPECT_DOUBLE_EQ(loaded.depthInterval, saved.depthInterval);
    EXPECT_DOUBLE_EQ(loaded.cclGain, saved.cclGain);
    EXPECT_EQ(loaded.pseudoMerge, saved.pseudoMerge);
    EXPECT_EQ(loaded.paperType, saved.paperType);
    EXPECT_EQ(loaded.logoFileName, saved.logoFileName);
    EXPECT_EQ(loaded.depthOpenFilterIndex, saved.depthOpenFilterIndex);
    EXPECT_EQ(loaded.useToolString, saved.useToolString);
    EXPECT_EQ(loaded.feetChecked, saved.feetChecked);
    EXPECT_EQ(loaded.metersChecked, saved.metersChecked);
    EXPECT_EQ(loaded.depthDefaultTab, saved.depthDefaultTab);
}

TEST(Settings, UnreadableNumbersFallBackAndZeroGainIsReplaced) {
    const Settings settings = fromText(
        "DepthInterval=x\nCCLGain=0\nPaperType=Letter\nDepthOpenFilterIndex=\nDepthDefaultTab=1."
        "5\n");
    EXPECT_DOUBLE_EQ(settings.depthInterval, 0.1);
    EXPECT_DOUBLE_EQ(settings.cclGain, 0.05);
    EXPECT_EQ(settings.paperType, 37);
    EXPECT_EQ(settings.depthOpenFilterIndex, 1);
    EXPECT_EQ(settings.depthDefaultTab, 0);
    // A real with the other separator is not a number either.
    EXPECT_DOUBLE_EQ(fromText("CCLGain=0.2\n", ',').cclGain, 0.05);
}

struct UnitsCase {
    const char* stored;
    bool feet;
    bool meters;
    DepthUnitSystem units;
};

class DepthUnitsSetting : public ::testing::TestWithParam<UnitsCase> {};

TEST_P(DepthUnitsSetting, ChecksFeetOnlyForTrueAndMetersOnlyForFalse) {
    const Settings settings = fromText(std::string("DepthUnitsFeet=") + GetParam().stored + "\n");
    EXPECT_EQ(settings.feetChecked, GetParam().feet);
    EXPECT_EQ(settings.metersChecked, GetParam().meters);
    Job job;
    applySettingsToJob(settings, job);
    EXPECT_EQ(job.units.depth, unitTexts(GetParam().units).depth);
    EXPECT_EQ(job.units.speed, unitTexts(GetParam().units).speed);
    EXPECT_EQ(job.units.tension, unitTexts(GetParam().units).tension);
}

INSTANTIATE_TEST_SUITE_P(Values, DepthUnitsSetting,
                         ::testing::Values(UnitsCase{"TRUE", true, false, DepthUnitSystem::Feet},
                                           UnitsCase{"FALSE", false, true, DepthUnitSystem::Meters},
                                           UnitsCase{"yes", false, false, DepthUnitSystem::Meters},
                                           UnitsCase{"true", false, false,
                                                     DepthUnitSystem::Meters}),
                         [](const ::testing::TestParamInfo<UnitsCase>& param) {
                             return "Value" + std::to_string(param.index);
                         });

TEST(Settings, GainAndIntervalInForceAtClosingAreSaved) {
    Job job;
    applySettingsToJob(fromText("CCLGain=0.07\nDepthInterval=0.5\n"), job);
    EXPECT_DOUBLE_EQ(job.cclGain, 0.07);
    EXPECT_DOUBLE_EQ(job.depthInterval, 0.5);
    job.cclGain = 0.2;  // e.g. from an opened project
    Settings settings;
    takeSettingsFromJob(job, settings);
    rvx::IniFile file;
    writeSettings(settings, '.', file);
    EXPECT_EQ(file.value(kSettingsSection, "CCLGain"), "0.2");
    EXPECT_EQ(file.value(kSettingsSection, "DepthInterval"), "0.5");
}

}  // namespace
}  // namespace veltrix
