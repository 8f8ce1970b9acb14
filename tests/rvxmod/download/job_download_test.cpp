#include "rvxmod/download/job_download.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/fixed_text.h"
#include "rvxmod/model/tool_types.h"
#include "tests/rvxmod/download/linear_converter.h"
#include "tests/rvxmod/download/recorded_blocks.h"
#include "tests/rvxmod/download/temp_folder.h"
#include "tests/support/scripted_user_port.h"

namespace rvxmod {
namespace {

using JobDownloadTest = testing::TempFolderTest;

testing::Bytes concat(std::initializer_list<testing::Bytes> records) {
    testing::Bytes stream;
    for (const auto& r : records) stream.insert(stream.end(), r.begin(), r.end());
    return stream;
}

// A CCL job over two sectors; an RTD joins in the second, whose data ends early.
TEST_F(JobDownloadTest, SectorsAreWrittenAsTheyEndAndAToolJoiningMidJobFillsItsColumn) {
    jobObj job;
    job.Tools = {makeJobTool(kCCL, 7)};
    job.RecordSize = 7;
    MemoryObj memory;
    const RvxOutputOptions options;
    const testing::LinearConverter converter;
    rvx::testing::ScriptedUserPort user;
    const RvxFileContext context{memory, options, converter, user};
    JobDownload download("job.rvx", job, context);

    const std::vector<int> cclOnly{0};
    const auto first = testing::blocksOf(concat({testing::record(10, {testing::cclGroup(1)}),
                                                 testing::record(20, {testing::cclGroup(2)})}),
                                         0);
    EXPECT_EQ(download.decodeBlock(first.front(), cclOnly), BlockEnd::DataEnded);
    ASSERT_TRUE(download.finishSector(false));

    download.startSector();
    job.Tools.push_back(makeJobTool(kRTD, 5));
    download.toolJoined(1);
    job.RecordSize = 11;
    const std::vector<int> both{0, 1};
    const auto second = testing::blocksOf(
        concat({testing::record(30, {testing::cclGroup(3), testing::rtdGroup(2500)}),
                testing::record(40, {testing::cclGroup(4), testing::rtdGroup(2600)})}),
        0);
    EXPECT_EQ(download.decodeBlock(second.front(), both), BlockEnd::DataEnded);
    ASSERT_TRUE(download.finishSector(false));

    EXPECT_EQ(job.JobSampleCount, 4);
    const std::string text = contents("job.rvx");
    const auto lines = rvx::splitLines(text);
    ASSERT_EQ(lines.size(), 11u);
    // The title and units lines were written with the first sector and stay as they were.
    EXPECT_EQ(lines[5],
              "Time     Pressure      Temperature      CCLRC00007_Collars   RTD_Temperature      "
              "Revolutions      ");
    const std::vector<std::string_view> data(lines.begin() + 7, lines.end());
    EXPECT_EQ(data, (std::vector<std::string_view>{
                        "0.00028     -999.25     -999.25     1     -999.25     -999.25     ",
                        "0.00056     -999.25     -999.25     2     -999.25     -999.25     ",
                        "0.00083     -999.25     -999.25     3     2500     -999.25     ",
                        "0.00111     -999.25     -999.25     4     2600     -999.25     ",
                    }));
}

}  // namespace
}  // namespace rvxmod
