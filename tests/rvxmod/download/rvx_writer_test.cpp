#include "rvxmod/download/rvx_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/fixed_text.h"
#include "rvxmod/model/tool_types.h"
#include "tests/rvxmod/download/linear_converter.h"
#include "tests/rvxmod/download/temp_folder.h"
#include "tests/support/scripted_user_port.h"

namespace rvxmod {
namespace {

using Kind = rvx::testing::ScriptedUserPort::Kind;

constexpr std::size_t kHeaderLines = 7;

class RvxWriterTest : public testing::TempFolderTest {
protected:
    RvxWriterTest() {
        memory.Code = "RL";
        memory.SerialNumber = 42;
        job.JobStart = 46095.375;  // 2026/03/14 09:00:00
    }

    void useTools(TToolChain tools) {
        job.Tools = std::move(tools);
        samples.reset(job.Tools.size());
    }
    // One sample per entry of a row, tool by tool; an entry with time 0 leaves the tool missing.
    void addSample(const std::vector<SampleRecord>& row) {
        const std::size_t index = samples.appendSample();
        for (std::size_t tool = 0; tool < row.size(); ++tool)
            if (row[tool].time != 0) samples.store(tool, index, row[tool]);
    }

    rvx::Status save(const std::string& path, bool lastBlock, bool realValues) {
        return SaveDownload(path, job, samples, lastBlock, realValues,
                            RvxFileContext{memory, options, converter, user});
    }

    std::vector<std::string> lines(const std::string& path) {
        const std::string text = contents(path);
        std::vector<std::string> result;
        for (const auto line : rvx::splitLines(text)) result.emplace_back(line);
        return result;
    }
    std::vector<std::string> dataLines(const std::string& path) {
        const auto all = lines(path);
        if (all.size() < kHeaderLines) return {};
        return {all.begin() + kHeaderLines, all.end()};
    }

    jobObj job;
    SectorSamples samples;
    MemoryObj memory;
    RvxOutputOptions options;
    testing::LinearConverter converter;
    rvx::testing::ScriptedUserPort user;
};

SampleRecord ccl(std::int64_t time, std::int32_t count) {
    return {.ccl = count, .time = time};
}
SampleRecord rtd(std::int64_t time, std::int32_t count) {
    return {.rtd = count, .time = time};
}

TEST_F(RvxWriterTest, TimeZeroIsNeverWrittenAndTheJobsLastSampleIsLeftOut) {
    useTools({makeJobTool(kCCL, 9)});
    addSample({ccl(0, 1)});
    addSample({ccl(900, 2)});
    addSample({ccl(1200, 3)});
    ASSERT_TRUE(save("job.rvx", false, false));
    samples.reset(job.Tools.size());
    addSample({ccl(1500, 4)});
    addSample({ccl(1800, 5)});
    ASSERT_TRUE(save("job.rvx", true, false));

    EXPECT_EQ(dataLines("job.rvx"),
              (std::vector<std::string>{
                  "0.02500     -999.25     -999.25     2     -999.25     -999.25     ",
                  "0.03333     -999.25     -999.25     3     -999.25     -999.25     ",
                  "0.04167     -999.25     -999.25     4     -999.25     -999.25     ",
              }));
    EXPECT_TRUE(job.RawHeaderWritten);
    EXPECT_FALSE(job.RealHeaderWritten);
}

TEST_F(RvxWriterTest, MinuteFilterKeepsSamplesWhoseFirstToolTimeIsAWholeMinute) {
    options.timeFilterMinutes = 1;
    useTools({makeJobTool(kCCL, 9), makeJobTool(kCCL, 10)});
    for (const std::int64_t time : {300, 600, 900, 1200}) addSample({ccl(time, 1), ccl(time, 2)});
    // The first tool recorded nothing: its time 0 passes the filter, the second tool's time shows.
    addSample({ccl(0, 0), ccl(750, 3)});
    ASSERT_TRUE(save("job.rvx", false, false));
    EXPECT_EQ(dataLines("job.rvx"),
              (std::vector<std::string>{
                  "0.01667     -999.25     -999.25     1     -999.25     -999.25     2     ",
                  "0.03333     -999.25     -999.25     1     -999.25     -999.25     2     ",
                  "0.02083     -999.25     -999.25     -999.25     -999.25     -999.25     3     ",
              }));
}

TEST_F(RvxWriterTest, RawCountsExtraRtdColumnIsSpacedLikeEveryOtherField) {
    useTools({makeJobTool(kRTD, 5), makeJobTool(kRTD, 6), makeJobTool(kCCL, 9)});
    addSample({rtd(600, 2500), rtd(600, 2600), ccl(600, 4)});
    ASSERT_TRUE(save("job.rvx", false, false));
    EXPECT_EQ(dataLines("job.rvx"),
              std::vector<std::string>{
                  "0.01667     -999.25     -999.25     4     2500     -999.25     2600     "});
}

TEST_F(RvxWriterTest, ExtraGaugeAndSpinnerColumnsInBothKindsOfFile) {
    options.spinnerUnit = 1;  // Revs/Min: the standard column only
    useTools({makeJobTool(kRarodIdirura, 22), makeJobTool(kPiezo, 11), makeJobTool(kSpinner, 33)});
    addSample({{.raw1 = 100000, .raw2 = 20000, .spinner = 2.5, .time = 36000},
               {.raw1 = 50000, .raw2 = 10000, .time = 36000},
               {.spinner = 3.0, .time = 36000}});
    addSample({{.raw2 = 20000, .spinner = 1.0, .time = 72000}, {.raw1 = 50000, .time = 72000}, {}});
    job.DownloadMode = 2;
    ASSERT_TRUE(save("job.rvx", false, false));
    ASSERT_TRUE(save("job.rvx", false, true));

    EXPECT_EQ(dataLines("job_RawCounts.rvx"),
              (std::vector<std::string>{
                  "1.00000     100000    20000     -999.25     -999.25     150.00     50000     "
                  "10000     3.00     ",
                  "2.00000     -999.25     20000     -999.25     -999.25     60.00     -999.25     "
                  "-999.25     -999.25     ",
              }));
    EXPECT_EQ(
        dataLines("job.rvx"),
        (std::vector<std::string>{
            "1.00000     1000.000     20.000     -999.25     -999.25     150.00     500.000 "
            "10.000     3.00     ",
            "2.00000     -999.25     -999.25     -999.25     -999.25     60.00     -999.25     "
            "-999.25     -999.25     ",
        }));
}

TEST_F(RvxWriterTest, RealTimeGaugeUnitsAndToolsWithoutCalibration) {
    options.time = TimeColumn::RealTime;
    options.pressureUnitItem = 1;  // psiG, atmosphere 14.30
    options.temperatureUnit = 2;   // Kelvin
    useTools({makeJobTool(kPiezo, 1), makeJobTool(kPiezo, 0)});
    addSample({{.raw1 = 200000, .raw2 = 25000, .time = 65539},
               {.raw1 = 200000, .raw2 = 25000, .time = 65539}});
    ASSERT_TRUE(save("job.rvx", false, true));

    const auto all = lines("job.rvx");
    ASSERT_EQ(all.size(), kHeaderLines + 1);
    EXPECT_EQ(all[0], "Start of job : 2026/03/14 09:00:00");
    EXPECT_EQ(all[1], "Name of File : job.rvx");
    EXPECT_EQ(all[2], "Memory Serial Number: RL00042");
    EXPECT_EQ(all[3], "Null Value : -999.25");
    EXPECT_EQ(all[4], "");
    EXPECT_EQ(all[7],
              "2026/03/14 10:49:13:900     1985.700     298.150     -999.25     -999.25     "
              "-999.25     -999.25     -999.25     ");
}

TEST_F(RvxWriterTest, PiezoAndCclLeaveTheRtdAndRevolutionsColumnsNull) {
    useTools({makeJobTool(kPiezo, 123), makeJobTool(kCCL, 7)});
    addSample({{.raw1 = 150000, .raw2 = 40000, .time = 18000}, ccl(18000, 12)});
    ASSERT_TRUE(save("job.rvx", false, true));
    EXPECT_EQ(dataLines("job.rvx"),
              std::vector<std::string>{
                  "0.50000     1500.000     40.000     12     -999.25     -999.25     "});
}

TEST_F(RvxWriterTest, EachDownloadModeWritesItsFiles) {
    useTools({makeJobTool(kPiezo, 1)});
    addSample({{.raw1 = 100, .raw2 = 200, .time = 10}});
    const std::string rawUnits =
        "(Hours)     (RawP)      (RawT)          (Collars)      (RawT)          (Revs/Sec)";
    const std::string realUnits =
        "(Hours)      (psiA)          (DegC)          (Collars)      (DegC)          (Revs/Sec)";
    struct Case {
        int mode;
        std::string chosenFileUnits;
        bool rawCountsFile;
    };
    for (const Case& c :
         {Case{0, rawUnits, false}, Case{1, realUnits, false}, Case{2, realUnits, true}}) {
        std::filesystem::remove("job.rvx");
        std::filesystem::remove("job_RawCounts.rvx");
        job = jobObj{.DownloadMode = c.mode, .Tools = job.Tools};
        ASSERT_TRUE(writeSector("job.rvx", job, samples, false,
                                RvxFileContext{memory, options, converter, user}));
        EXPECT_EQ(lines("job.rvx").at(6), c.chosenFileUnits) << c.mode;
        EXPECT_EQ(std::filesystem::exists("job_RawCounts.rvx"), c.rawCountsFile) << c.mode;
    }
}

TEST_F(RvxWriterTest, WithoutAMemoryModuleTheSerialLineStaysBare) {
    memory.SerialNumber = -1;
    useTools({makeJobTool(kCCL, 9)});
    ASSERT_TRUE(save("job.rvx", false, true));
    const auto all = lines("job.rvx");
    ASSERT_EQ(all.size(), kHeaderLines);
    EXPECT_EQ(all[2], "Memory Serial Number: ");
}

TEST_F(RvxWriterTest, FileThatCannotBeWrittenStopsWithTheMessageAndForgetsTheHeaders) {
    useTools({makeJobTool(kCCL, 9)});
    addSample({ccl(600, 1)});
    ASSERT_TRUE(save("kept.rvx", false, false));
    const std::string kept = contents("kept.rvx");

    const auto missingFolder = save("missing/job.rvx", false, true);
    ASSERT_FALSE(missingFolder);
    EXPECT_EQ(missingFolder.error().message,
              "missing/job.rvx cannot be not found. Restart download.");
    EXPECT_FALSE(job.RawHeaderWritten);

    // A device that takes no data: the failed append must not pass for success.
    job.RawHeaderWritten = true;
    job.RealHeaderWritten = true;
    const auto full = save("/dev/full", false, true);
    ASSERT_FALSE(full);
    EXPECT_FALSE(job.RawHeaderWritten);
    EXPECT_FALSE(job.RealHeaderWritten);

    EXPECT_EQ(user.textsOf(Kind::Error),
              (std::vector<std::string>{"missing/job.rvx cannot be not found. Restart download.",
                                        "/dev/full cannot be not found. Restart download."}));
    EXPECT_EQ(contents("kept.rvx"), kept);
}

}  // namespace
}  // namespace rvxmod
