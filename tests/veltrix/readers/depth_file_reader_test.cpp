#include "veltrix/readers/depth_file_reader.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "common/date_time.h"

namespace veltrix {
namespace {

constexpr double kSecond = 1.0 / 86400.0;

std::string fixture(const std::string& name) {
    return std::string(RVX_FIXTURES_DIR) + "/depth/" + name;
}

DepthFileRead read(const std::string& name, const DepthReadContext& context = {}) {
    rvx::Result<DepthFileRead> result = readDepthFile(fixture(name), context);
    EXPECT_TRUE(result.ok()) << name;
    return std::move(result).value();
}

rvx::DateTime at(int year, int month, int day, int hour, int minute, int second) {
    return rvx::encodeDateTime({year, month, day, hour, minute, second, 0});
}

struct KindCase {
    const char* file;
    DepthFileKind kind;
    std::size_t points;
    bool hasTension;
    const char* timeUnitToken;
    DepthUnitTexts units;
    std::optional<StopCause> stop;
};

class DepthFileKinds : public ::testing::TestWithParam<KindCase> {};

TEST_P(DepthFileKinds, ReadsHeaderUnitsAndEveryPointInFileOrder) {
    const KindCase& c = GetParam();
    const DepthFileRead file = read(c.file);
    EXPECT_EQ(file.kind, c.kind);
    EXPECT_EQ(file.header.timeUnitToken, c.timeUnitToken);
    EXPECT_EQ(file.header.units.depth, c.units.depth);
    EXPECT_EQ(file.header.units.speed, c.units.speed);
    EXPECT_EQ(file.header.units.tension, c.units.tension);
    EXPECT_EQ(file.pointCount(), c.points);
    EXPECT_EQ(file.columns.time->size(), c.points);
    EXPECT_EQ(file.columns.speed->size(), c.points);
    EXPECT_EQ(file.columns.tension->size(), c.hasTension ? c.points : 0);
    EXPECT_EQ(file.stop.has_value(), c.stop.has_value());
    if (file.stop && c.stop) {
        EXPECT_EQ(file.stop->cause, *c.stop);
    }
}

const DepthUnitTexts kCurrent{" ft", "ft/min", "lb/ft"};

INSTANTIATE_TEST_SUITE_P(Fixtures, DepthFileKinds,
                         ::testing::Values(KindCase{"qz_secs.dep",
                                                    DepthFileKind::QzDepth,
                                                    5,
                                                    false,
                                                    "(secs)",
                                                    {"ft", "ft/min", "lb/ft"},
                                                    std::nullopt},
                                           KindCase{"tracker.rec",
                                                    DepthFileKind::Tracker,
                                                    3,
                                                    true,
                                                    "(secs)",
                                                    {"m", "m/min", "lbs"},
                                                    std::nullopt},
                                           KindCase{"export.dxt",
                                                    DepthFileKind::SurfaceExport,
                                                    2,
                                                    false,
                                                    "sec",
                                                    {"m", "ft/min", "lb/ft"},
                                                    std::nullopt},
                                           // LineWise units come from the fixed-layout column
                                           // header and only title the axes.
                                           KindCase{"linewise.txt",
                                                    DepthFileKind::LineWise,
                                                    2,
                                                    true,
                                                    "(secs)",
                                                    {"ft", "ft/min", "lbs"},
                                                    std::nullopt},
                                           KindCase{"horas.dep",
                                                    DepthFileKind::QzDepth,
                                                    3,
                                                    false,
                                                    "(horas)",
                                                    {"m", "m/min", "lb/m"},
                                                    std::nullopt},
                                           KindCase{"real_time.dep",
                                                    DepthFileKind::QzDepth,
                                                    2,
                                                    false,
                                                    "(real-time)",
                                                    {"ft", "ft/min", "lb/ft"},
                                                    std::nullopt},
                                           KindCase{"bad_time.dep",
                                                    DepthFileKind::QzDepth,
                                                    2,
                                                    false,
                                                    "(secs)",
                                                    {"ft", "ft/min", "lb/ft"},
                                                    StopCause::Time},
                                           KindCase{"bad_value.dep",
                                                    DepthFileKind::QzDepth,
                                                    2,
                                                    false,
                                                    "(secs)",
                                                    {"ft", "ft/min", "lb/ft"},
                                                    StopCause::Value},
                                           KindCase{"missing_value.rec",
                                                    DepthFileKind::Tracker,
                                                    1,
                                                    true,
                                                    "(secs)",
                                                    {"m", "m/min", "lbs"},
                                                    StopCause::Value},
                                           KindCase{"bad_start.dep",
                                                    DepthFileKind::QzDepth,
                                                    0,
                                                    false,
                                                    "(secs)",
                                                    {"ft", "ft/min", "lb/ft"},
                                                    StopCause::StartDate},
                                           KindCase{"empty.dep",
                                                    DepthFileKind::QzDepth,
                                                    0,
                                                    false,
                                                    "",
                                                    {"", "/min", "lb/"},
                                                    StopCause::StartDate}));

TEST(DepthFileReader, ElapsedSecondsAreAddedToTheStart) {
    const DepthFileRead file = read("qz_secs.dep");
    const rvx::DateTime start = at(2024, 1, 15, 10, 0, 0);
    EXPECT_DOUBLE_EQ(file.start, start);
    // The line "12.5 123.5" is 10:00:12.5 of that day at depth 123.5.
    EXPECT_NEAR((*file.columns.time)[2], start + 12.5 * kSecond, 1e-9 * kSecond);
    EXPECT_DOUBLE_EQ((*file.columns.depth)[2], 123.5);
    const rvx::CivilDateTime civil = rvx::decodeDateTime((*file.columns.time)[2]);
    EXPECT_EQ(civil.second, 12);
    EXPECT_EQ(civil.millisecond, 500);
}

TEST(DepthFileReader, DepSpeedIsDepthPerMinuteFromTheSecondLineOnAndSurvivesEqualTimes) {
    const DepthFileRead file = read("qz_secs.dep");
    const auto& speed = *file.columns.speed;
    const auto& depth = *file.columns.depth;
    const auto& time = *file.columns.time;
    const auto perMinute = [&](std::size_t i) {
        return (depth[i] - depth[i - 1]) / ((time[i] - time[i - 1]) * 24 * 60);
    };
    EXPECT_EQ(speed[0], 0.0);
    EXPECT_EQ(speed[1], 0.0);
    EXPECT_DOUBLE_EQ(speed[2], perMinute(2));
    // Lines 3 and 4 share the time 12.5 s: the point keeps the speed before it.
    ASSERT_EQ(time[3], time[2]);
    EXPECT_DOUBLE_EQ(speed[3], speed[2]);
    EXPECT_NEAR(speed[4], perMinute(4), 1e-6);
}

TEST(DepthFileReader, TrackerColumnsSerialAndDashedStart) {
    const DepthFileRead file = read("tracker.rec");
    EXPECT_EQ(file.header.trackerSerial, "TRK-4411");
    EXPECT_DOUBLE_EQ(file.start, at(2024, 2, 3, 8, 30, 0));
    EXPECT_DOUBLE_EQ((*file.columns.tension)[1], 510.0);
    EXPECT_DOUBLE_EQ((*file.columns.depth)[1], 20.0);
    EXPECT_DOUBLE_EQ((*file.columns.speed)[2], 11.5);
}

TEST(DepthFileReader, SurfaceExportStartIsMonthFirstFromTheLineEnd) {
    const DepthFileRead file = read("export.dxt");
    EXPECT_DOUBLE_EQ(file.start, at(2024, 3, 4, 11, 0, 0));
    EXPECT_NEAR((*file.columns.time)[1], file.start + 3600 * kSecond, 1e-9);
    EXPECT_DOUBLE_EQ((*file.columns.speed)[1], 0.5);
}

TEST(DepthFileReader, LineWiseStartsAtTheMomentOfLoading) {
    DepthReadContext context;
    context.now = at(2025, 6, 1, 12, 0, 0);
    const DepthFileRead file = read("linewise.txt", context);
    EXPECT_DOUBLE_EQ(file.start, context.now);
    EXPECT_NEAR((*file.columns.time)[1], context.now + 30 * kSecond, 1e-9);
    EXPECT_DOUBLE_EQ((*file.columns.tension)[1], 310.0);
}

TEST(DepthFileReader, UpperCaseExtensionIsOtherKindParsedWithTheJobsDateOrder) {
    DepthReadContext context;
    context.currentUnits = kCurrent;
    context.dateOrder = DateOrder::DayMonthYear;
    const DepthFileRead file = read("other_pattern.DEP", context);
    EXPECT_EQ(file.kind, DepthFileKind::Other);
    EXPECT_EQ(file.header.units.depth, kCurrent.depth);  // units line not read
    EXPECT_EQ(file.header.units.speed, kCurrent.speed);
    EXPECT_FALSE(file.stop.has_value());
    EXPECT_DOUBLE_EQ(file.start, at(2024, 1, 15, 10, 0, 0));
    EXPECT_NEAR((*file.columns.time)[1], file.start + 0.5 / 24, 1e-9);  // "(hours)"

    context.dateOrder = DateOrder::YearMonthDay;
    const DepthFileRead yearFirst = read("other_pattern.DEP", context);
    ASSERT_TRUE(yearFirst.stop.has_value());
    EXPECT_EQ(yearFirst.stop->cause, StopCause::StartDate);
}

TEST(DepthFileReader, UnknownTimeUnitGivesEveryPointTimeZero) {
    const DepthFileRead file = read("horas.dep");
    for (const double time : file.columns.time->values()) EXPECT_EQ(time, 0.0);
    for (const double speed : file.columns.speed->values()) EXPECT_EQ(speed, 0.0);
}

TEST(DepthFileReader, RealTimeTakesADateAndATimeToken) {
    const DepthFileRead file = read("real_time.dep");
    EXPECT_NEAR((*file.columns.time)[0], at(2024, 1, 15, 23, 59, 59), 1e-9);
    EXPECT_NEAR((*file.columns.time)[1], at(2024, 1, 16, 0, 0, 1), 1e-9);
    EXPECT_DOUBLE_EQ((*file.columns.depth)[1], 20.0);
}

struct MessageCase {
    const char* file;
    const char* opening;
    const char* mentions;
};

class DepthFileMessages : public ::testing::TestWithParam<MessageCase> {};

TEST_P(DepthFileMessages, NameTheProblem) {
    const DepthFileRead file = read(GetParam().file);
    ASSERT_TRUE(file.stop.has_value());
    EXPECT_TRUE(file.stop->message.starts_with(GetParam().opening)) << file.stop->message;
    EXPECT_NE(file.stop->message.find(GetParam().mentions), std::string::npos)
        << file.stop->message;
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, DepthFileMessages,
    ::testing::Values(MessageCase{"bad_start.dep", "Incompatible date format\n",
                                  "\nPlease double check Date Format on Utilities"},
                      MessageCase{"bad_time.dep",
                                  "Incompatible time format, it must be hh:mm:ss \n",
                                  "Line 9: '1x'"},
                      MessageCase{"bad_value.dep", "Line 9: '1,4'", "Line 9"},
                      MessageCase{"missing_value.rec", "Line 8: a value is missing", "Line 8"}));

TEST(DepthFileReader, MissingFileIsAnError) {
    EXPECT_FALSE(readDepthFile(fixture("no_such_file.dep"), {}).ok());
}

}  // namespace
}  // namespace veltrix
