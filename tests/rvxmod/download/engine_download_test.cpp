// Downloads through the in-process simulator on virtual time: jobs recorded as a memory module
// records them, read back block by block over the link and written as RVX data files.
#include <gtest/gtest.h>

#include <charconv>
#include <string>
#include <vector>

#include "common/date_format.h"
#include "rvxmod/calibration/temp_cal_files.h"
#include "rvxmod/download/datafiles_folder.h"
#include "rvxmod/link/commands.h"
#include "tests/rvxmod/download/engine_fixture.h"

namespace rvxmod::testing {
namespace {

namespace fs = std::filesystem;
using Kind = rvx::testing::ScriptedUserPort::Kind;

const std::vector<sim::RecordedTool> kThree{kGauge, kCcl, kRtd};

std::string hoursText(std::uint32_t tenths) {
    char text[32];
    const auto end =
        std::to_chars(text, text + sizeof text, tenths / 36000.0, std::chars_format::fixed, 5);
    return std::string(text, end.ptr);
}

std::string timeField(const std::string& line) {
    return line.substr(0, line.find(' '));
}

bool contains(const std::vector<std::string>& texts, const std::string& wanted) {
    for (const std::string& text : texts)
        if (text.find(wanted) != std::string::npos) return true;
    return false;
}

bool isPrefix(const std::vector<std::string>& part, const std::vector<std::string>& whole) {
    return part.size() <= whole.size() && std::equal(part.begin(), part.end(), whole.begin());
}

TEST_F(EngineTest, AllJobsGiveOneFileEachWithTheirStartAndExactCount) {
    const int samples[] = {3000, 500};
    record({{{{kThree, samples[0]}}, 10, 10}, {{{kThree, samples[1]}}, 10, 10}});
    line.user.paths = {(fs::current_path() / "out").string()};
    const rvx::DateTime entered = rvx::encodeDateTime({2026, 11, 5, 14, 30, 0, 0});
    line.user.dateTimes = {entered, std::nullopt};  // the second question is cancelled

    const DownloadSummary summary = download(true);

    ASSERT_FALSE(summary.stopped);
    ASSERT_EQ(summary.jobs.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        const fs::path file = fs::current_path() / "out" /
                              ("RVX-RL01021_Job" + std::to_string(i + 1) + "_RawCounts.rvx");
        EXPECT_EQ(summary.jobs[i].files, std::vector<fs::path>{file});
        EXPECT_TRUE(summary.jobs[i].complete);
        EXPECT_EQ(summary.jobs[i].sampleCell, std::to_string(samples[i] - 1) + " (exact)");
        // A cancelled question keeps the dialog's value: both jobs start at the entered time.
        EXPECT_EQ(contents(file).substr(0, contents(file).find("\r\n")),
                  "Start of job : " + rvx::formatDateTime("yyyy/mm/dd hh:nn:ss", entered));
        // The job's final block was reached, so its last sample is left out.
        const auto lines = dataLines(file);
        ASSERT_EQ(lines.size(), static_cast<std::size_t>(samples[i] - 1));
        EXPECT_EQ(timeField(lines.back()), hoursText(10 + 10 * (samples[i] - 2)));
    }
    EXPECT_EQ(line.user.textsOf(Kind::DateTimeEntry),
              (std::vector<std::string>{"Enter the Start Date and Start Time for job 1",
                                        "Enter the Start Date and Start Time for job 2"}));
    EXPECT_EQ(line.user.textsOf(Kind::Sound), (std::vector<std::string>{"0", "2", "8"}));
    EXPECT_EQ(line.user.textsOf(Kind::Progress).back(), "0/0");
    EXPECT_EQ(line.user.textsOf(Kind::Status).back(), "");
    EXPECT_TRUE(line.user.commandsBalanced());
    EXPECT_FALSE(fs::exists(tempCalFolder(fs::current_path())));
}

struct TimeCase {
    const char* name;
    std::uint32_t firstTime;
    std::uint32_t interval;
};

class EngineTimes : public EngineTest, public ::testing::WithParamInterface<TimeCase> {};

// Every written time is the recorded one, also where the 16-bit counter wraps (65535 -> 3).
TEST_P(EngineTimes, FollowTheRecordedClock) {
    const int samples = 2000;
    record({{{{kThree, samples}}, GetParam().firstTime, GetParam().interval}});
    line.user.paths = {"job.rvx"};
    ASSERT_EQ(download(false).jobs.size(), 1u);
    const auto lines = dataLines("job.rvx");
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(samples - 1));
    for (std::size_t k = 0; k < lines.size(); ++k) {
        ASSERT_EQ(timeField(lines[k]),
                  hoursText(GetParam().firstTime + GetParam().interval * static_cast<int>(k)))
            << "sample " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Clocks, EngineTimes,
                         ::testing::Values(TimeCase{"Seconds", 10, 10},
                                           TimeCase{"CounterWrap", 65531, 4},
                                           TimeCase{"SeveralWraps", 1234, 97}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(EngineTest, DataEndingEarlyKeepsEverySectorDecodedSoFar) {
    // Two and a bit sectors; the reads stop answering inside the second one.
    record({oneSegment(kThree, samplesFilling(300, kThree))});
    line.user.paths = {"clean.rvx", "cut.rvx"};
    ASSERT_TRUE(download(false).jobs.at(0).complete);
    int blockReads = 0;
    line.lossy->lose = [&](std::uint8_t code) {
        return code == link::kReadBlock && ++blockReads > 270;
    };
    const DownloadSummary cut = download(false);

    ASSERT_EQ(cut.jobs.size(), 1u);
    EXPECT_FALSE(cut.jobs[0].complete);
    EXPECT_TRUE(contains(line.user.textsOf(Kind::Error), "Error reading tool memory"));
    const auto clean = dataLines("clean.rvx");
    const auto kept = dataLines("cut.rvx");
    EXPECT_TRUE(isPrefix(kept, clean));
    const std::size_t firstSector = samplesFilling(256 - 8, kThree);
    EXPECT_GT(kept.size(), firstSector);
    EXPECT_LT(kept.size(), clean.size());
    EXPECT_TRUE(line.user.commandsBalanced());
}

TEST_F(EngineTest, AFileThatCannotBeWrittenStopsAndKeepsWhatWasWritten) {
    record({{{{kThree, 800}}, 10, 10}, {{{kThree, 900}}, 10, 10}, {{{kThree, 700}}, 10, 10}});
    const fs::path out = fs::current_path() / "out";
    fs::create_directories(out / "RVX-RL01021_Job2_RawCounts.rvx");  // in the way of job 2
    line.user.paths = {out.string()};
    line.user.answers = {true};  // write over the existing folder

    const DownloadSummary summary = download(true);

    EXPECT_TRUE(summary.stopped);
    ASSERT_EQ(summary.jobs.size(), 1u);  // job 2 is not reported, job 3 never started
    EXPECT_EQ(dataLines(out / "RVX-RL01021_Job1_RawCounts.rvx").size(), 799u);
    EXPECT_FALSE(fs::exists(out / "RVX-RL01021_Job3_RawCounts.rvx"));
    EXPECT_EQ(line.user.textsOf(Kind::Error),
              std::vector<std::string>{(out / "RVX-RL01021_Job2_RawCounts.rvx").string() +
                                       " cannot be not found. Restart download."});
    EXPECT_EQ(line.user.textsOf(Kind::YesCancel),
              std::vector<std::string>{"Directory already exists. Over write?"});
    EXPECT_FALSE(contains(line.user.textsOf(Kind::Sound), "8"));
    EXPECT_TRUE(line.user.commandsBalanced());
}

struct RefusalCase {
    const char* name;
    bool memoryPresent;
    bool quickConnect;
    Kind kind;
    const char* text;
};

class EngineRefusals : public EngineTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(EngineRefusals, DownloadNothingAndSaySo) {
    record({});
    line.toolString.MemoryPresent = GetParam().memoryPresent;
    line.toolString.QuickConnect = GetParam().quickConnect;
    line.user.paths = {"out"};
    const DownloadSummary summary = download(true);
    EXPECT_TRUE(summary.jobs.empty());
    EXPECT_FALSE(summary.stopped);
    EXPECT_EQ(line.user.textsOf(GetParam().kind), std::vector<std::string>{GetParam().text});
    EXPECT_TRUE(line.user.textsOf(Kind::Folder).empty());
    EXPECT_FALSE(fs::exists("out"));
    EXPECT_TRUE(line.user.commandsBalanced());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EngineRefusals,
    ::testing::Values(
        RefusalCase{"EmptyMemory", true, false, Kind::Notice,
                    "There are no jobs in memory to download."},
        RefusalCase{"NoMemoryModule", false, false, Kind::Warning,
                    "There is no memory module present, cannot download jobs."},
        RefusalCase{"QuickConnect", true, true, Kind::Warning,
                    "You have turned Quick Connect on. The software will NOT display any jobs. "
                    "You cannot read from memory or download jobs with Quick Connect selected."}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(EngineTest, ACorruptJobIsNotDownloaded) {
    record({oneSegment(kThree, 300)});
    line.toolString.Memory.Jobs[0].Corrupt = true;
    EXPECT_TRUE(download(false).jobs.empty());
    EXPECT_EQ(line.user.textsOf(Kind::Error),
              std::vector<std::string>{"The data for this job is corrupt. Cannot download."});
    EXPECT_TRUE(line.user.textsOf(Kind::SaveFile).empty());
}

TEST(DatafilesFolder, ProposesTheNextFreeName) {
    const fs::path parent = fs::temp_directory_path() / "rvx_engine_folder_proposal";
    fs::remove_all(parent);
    MemoryObj memory;
    memory.Name = "Memory";
    memory.Code = "RL";
    memory.SerialNumber = 42;
    const std::vector<std::string> expected{"MemoryRL00042_Datafiles", "MemoryRL00042_Datafiles_2",
                                            "MemoryRL00042_Datafiles_3"};
    for (const std::string& name : expected) {
        const fs::path proposed = proposedDatafilesFolder(parent, memory);
        EXPECT_EQ(proposed, parent / name);
        fs::create_directories(proposed);
    }
    fs::remove_all(parent);
}

}  // namespace
}  // namespace rvxmod::testing
