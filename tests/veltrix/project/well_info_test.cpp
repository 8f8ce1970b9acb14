#include "veltrix/project/well_info.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/common/temp_folder.h"
#include "tests/support/scripted_user_port.h"
#include "veltrix/project/well_info_template.h"

namespace veltrix {
namespace {

using rvx::testing::ScriptedUserPort;
using rvx::testing::TempFolder;

std::string fileText(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(WellInfoTemplate, FirstStartWritesTheDefaultLabelsAndSecondStartReadsThemBack) {
    const TempFolder folder;
    ScriptedUserPort port;

    const WellInfoFromTemplate first = loadWellInfoTemplate(folder.path(), port);
    EXPECT_FALSE(first.readFromFile);
    ASSERT_EQ(port.textsOf(ScriptedUserPort::Kind::Error),
              std::vector<std::string>{" Well Info file not found    "});
    ASSERT_EQ(first.info.rowCount(), 22);
    EXPECT_EQ(first.info.cell(2, WellInfo::LabelColumn), "Field ");
    EXPECT_EQ(first.info.cell(8, WellInfo::LabelColumn), "TEST TYPE ");
    const std::string written = fileText(folder.path() / "Well_info.txt");
    EXPECT_EQ(written, defaultWellInfoTemplate());
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 22);
    EXPECT_EQ(std::count(written.begin(), written.end(), '\r'), 22);

    ScriptedUserPort secondPort;
    const WellInfoFromTemplate second = loadWellInfoTemplate(folder.path(), secondPort);
    EXPECT_TRUE(second.readFromFile);
    EXPECT_TRUE(secondPort.events.empty());
    ASSERT_EQ(second.info.rowCount(), 23);
    for (int row = 0; row < 22; ++row) {
        EXPECT_EQ(second.info.cell(row, WellInfo::LabelColumn), first.info.cell(row, 0));
        EXPECT_EQ(second.info.cell(row, WellInfo::ValueColumn), "");
    }
    EXPECT_EQ(second.info.cell(22, WellInfo::LabelColumn), "");
}

TEST(WellInfoTemplate, AnEditedTemplateGivesOneRowPerLineWithLfOrCrLf) {
    const TempFolder folder;
    std::ofstream(folder.path() / "Well_info.txt", std::ios::binary) << "Operator\nRig\r\nField ";
    ScriptedUserPort port;
    const WellInfoFromTemplate loaded = loadWellInfoTemplate(folder.path(), port);
    ASSERT_EQ(loaded.info.rowCount(), 4);
    EXPECT_EQ(loaded.info.cell(0, WellInfo::LabelColumn), "Operator");
    EXPECT_EQ(loaded.info.cell(1, WellInfo::LabelColumn), "Rig");
    EXPECT_EQ(loaded.info.cell(2, WellInfo::LabelColumn), "Field ");
}

TEST(WellInfo, TestDateGoesToTheFirstRowNamingADateInAnyCase) {
    WellInfo info = WellInfo::fromTemplate("Company\r\nUpdate of record\r\nDate\r\nTEST DATE\r\n");
    info.updateTestDate("2024/01/15");
    EXPECT_EQ(info.cell(1, WellInfo::ValueColumn), "2024/01/15");
    EXPECT_EQ(info.cell(2, WellInfo::ValueColumn), "");

    WellInfo withoutDate = WellInfo::fromTemplate("Company\r\nWell\r\n");
    withoutDate.updateTestDate("2024/01/15");
    for (int row = 0; row < withoutDate.rowCount(); ++row) {
        EXPECT_EQ(withoutDate.cell(row, WellInfo::ValueColumn), "");
    }
}

TEST(WellInfo, ValuesByLabelMatchTheUpperCaseLabelOnlyWhereTheRowExists) {
    WellInfo info = WellInfo::withDefaultLabels();
    info.setValueOf("TRACKER S/N", "TRK-1");
    for (int row = 0; row < info.rowCount(); ++row) {
        EXPECT_EQ(info.cell(row, WellInfo::ValueColumn), "") << row;
    }
    info.appendRow("Tracker S/N", {});
    info.setValueOf("TRACKER S/N", "TRK-1");
    EXPECT_EQ(info.cell(info.rowCount() - 1, WellInfo::ValueColumn), "TRK-1");
}

}  // namespace
}  // namespace veltrix
