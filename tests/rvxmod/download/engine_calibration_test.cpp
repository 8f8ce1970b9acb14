// Downloads in real values: calibrations chosen per job, both kinds of file, and a tool that
// joins the job's tool string part way through.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rvxmod/calibration/temp_cal_files.h"
#include "tests/rvxmod/download/engine_fixture.h"

namespace rvxmod::testing {
namespace {

namespace fs = std::filesystem;
using Kind = rvx::testing::ScriptedUserPort::Kind;

const std::string kGaugeCal = std::string(RVX_FIXTURES_DIR) + "/memory/RarodIdirura_RP00201.dat";
const std::string kRtdCal = std::string(RVX_FIXTURES_DIR) + "/memory/RTD_RR00077.tdat";
constexpr const char* kNull = "-999.25";

// The second field of a data line: the pressure column.
std::string pressureField(const std::string& line) {
    const std::size_t start = line.find_first_not_of(' ', line.find(' '));
    return line.substr(start, line.find(' ', start) - start);
}

class EngineCalibrationTest : public EngineTest {
protected:
    EngineCalibrationTest() { settings.calibration.location = CalFileLocation::OnComputer; }
};

TEST_F(EngineCalibrationTest, BothKindsNameTheRawFileAfterTheChosenOne) {
    const int samples = 600;
    record({{{{{kGauge, kCcl, kRtd}, samples}}, 10, 10}});
    settings.fileFormat = 2;
    line.user.paths = {"job.rvx", kGaugeCal, kRtdCal};

    const DownloadSummary summary = download(false);

    ASSERT_EQ(summary.jobs.size(), 1u);
    EXPECT_EQ(summary.jobs[0].files,
              (std::vector<fs::path>{"job.rvx", fs::path("job_RawCounts.rvx")}));
    const auto real = dataLines("job.rvx");
    const auto raw = dataLines("job_RawCounts.rvx");
    ASSERT_EQ(real.size(), static_cast<std::size_t>(samples - 1));
    ASSERT_EQ(raw.size(), real.size());
    EXPECT_NE(pressureField(real.front()), kNull);
    EXPECT_NE(pressureField(real.front()), pressureField(raw.front()));  // psi, not counts
    EXPECT_TRUE(line.user.textsOf(Kind::Error).empty());
    EXPECT_FALSE(fs::exists(tempCalFolder(fs::current_path())));
}

TEST_F(EngineCalibrationTest, CancelledCalibrationFallsBackToRawCounts) {
    record({{{{{kGauge, kCcl, kRtd}, 300}}, 10, 10}});
    settings.fileFormat = 1;
    line.user.paths = {"job.rvx"};  // no cal file chosen

    const DownloadSummary summary = download(false);

    ASSERT_EQ(summary.jobs.size(), 1u);
    EXPECT_EQ(line.user.textsOf(Kind::Notice), std::vector<std::string>{"Saving raw counts"});
    EXPECT_EQ(dataLines("job.rvx").size(), 299u);
    EXPECT_NE(contents("job.rvx").find("(RawP)"), std::string::npos);
}

struct JoinCase {
    const char* name;
    bool calChosen;
};

class EngineToolJoins : public EngineCalibrationTest,
                        public ::testing::WithParamInterface<JoinCase> {};

// The gauge is missing from the job's first blocks and shows up later: it asks for its
// calibration then; without one the job ends with what was decoded before it came.
TEST_P(EngineToolJoins, MidJob) {
    const int before = 400;
    const int after = 400;
    record({{{{{kCcl, kRtd}, before}, {{kGauge, kCcl, kRtd}, after}}, 10, 10}});
    settings.fileFormat = 1;
    line.user.paths = {"job.rvx", kRtdCal};
    if (GetParam().calChosen) line.user.paths.push_back(kGaugeCal);

    const DownloadSummary summary = download(false);

    ASSERT_EQ(summary.jobs.size(), 1u);
    EXPECT_EQ(line.user.textsOf(Kind::Warning),
              std::vector<std::string>{
                  "Tool RarodIdirura201 resurrected mid-job. Press OK to select a Cal file."});
    const auto lines = dataLines("job.rvx");
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(pressureField(lines.front()), kNull);
    EXPECT_EQ(summary.jobs[0].complete, GetParam().calChosen);
    if (GetParam().calChosen) {
        EXPECT_EQ(lines.size(), static_cast<std::size_t>(before + after - 1));
        EXPECT_NE(pressureField(lines.back()), kNull);
    } else {
        EXPECT_EQ(lines.size(), static_cast<std::size_t>(before));
        EXPECT_NE(line.user.textsOf(Kind::Error).back().find("Aborting download."),
                  std::string::npos);
    }
    EXPECT_TRUE(line.user.commandsBalanced());
}

INSTANTIATE_TEST_SUITE_P(Cases, EngineToolJoins,
                         ::testing::Values(JoinCase{"CalChosen", true}, JoinCase{"NoCal", false}),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace rvxmod::testing
