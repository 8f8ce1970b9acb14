#include "veltrix/readers/depth_well_info.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "common/date_format.h"
#include "tests/support/scripted_user_port.h"

namespace veltrix {
namespace {

std::string fixture(const std::string& name) {
    return std::string(RVX_FIXTURES_DIR) + "/depth/" + name;
}

std::vector<std::string> labelsOf(const std::vector<WellInfoRow>& rows) {
    std::vector<std::string> labels;
    for (const WellInfoRow& row : rows) labels.push_back(row.label);
    return labels;
}

std::optional<std::string> updateOf(const WellInfoChanges& changes, const std::string& label) {
    for (const WellInfoRow& row : changes.updated) {
        if (row.label == label) return row.value;
    }
    return std::nullopt;
}

struct RowsCase {
    const char* file;
    bool projectLoading;
    std::vector<std::string> appended;
    bool trackerSerial;
};

class DepthWellInfoRows : public ::testing::TestWithParam<RowsCase> {};

TEST_P(DepthWellInfoRows, FollowTheOutcomeKindAndProjectLoading) {
    Job job;
    job.flags.projectLoading = GetParam().projectLoading;
    if (GetParam().projectLoading) job.files.depth = fixture(GetParam().file);
    rvx::testing::ScriptedUserPort port;
    const DepthLoad load = loadDepthFile(job, port, fixture(GetParam().file));
    const WellInfoChanges changes = depthWellInfoChanges(load, job);
    EXPECT_EQ(labelsOf(changes.appended), GetParam().appended);
    EXPECT_EQ(updateOf(changes, "TRACKER S/N").has_value(), GetParam().trackerSerial);
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, DepthWellInfoRows,
    ::testing::Values(RowsCase{"tracker.rec", false, {"Depth File", "Depth Start Time"}, true},
                      RowsCase{"qz_secs.dep", false, {"Depth File", "Depth Start Time"}, false},
                      RowsCase{"linewise.txt", false, {"Depth File"}, false},
                      RowsCase{"bad_value.dep", false, {"Depth File"}, false},
                      RowsCase{"bad_start.dep", false, {"Depth File"}, false},
                      RowsCase{"tracker.rec", true, {}, true}));

TEST(DepthWellInfo, ValuesUseTheJobsLocale) {
    Job job;
    job.locale.thousandSeparator = '\'';
    rvx::testing::ScriptedUserPort port;
    const DepthLoad load = loadDepthFile(job, port, fixture("qz_secs.dep"));
    const WellInfoChanges changes = depthWellInfoChanges(load, job);
    EXPECT_EQ(updateOf(changes, "GAUGE DEPTH (MD)"), "1'142.00");  // the largest depth
    ASSERT_EQ(changes.appended.size(), 2u);
    EXPECT_EQ(changes.appended[0].value, fixture("qz_secs.dep"));
    EXPECT_EQ(changes.appended[1].value, rvx::formatDateTime("", load.read.start, job.locale));
    EXPECT_TRUE(changes.refreshTestDate);
}

TEST(DepthWellInfo, TrackerSerialIsTheSerialLineText) {
    Job job;
    rvx::testing::ScriptedUserPort port;
    const WellInfoChanges changes =
        depthWellInfoChanges(loadDepthFile(job, port, fixture("tracker.rec")), job);
    EXPECT_EQ(updateOf(changes, "TRACKER S/N"), "TRK-4411");
}

}  // namespace
}  // namespace veltrix
