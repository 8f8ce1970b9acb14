#include "rvxmod/calibration/temp_cal.h"

#include <gtest/gtest.h>

namespace rvxmod {
namespace {

const std::string kFixtures = RVX_FIXTURES_DIR "/calibration/";

TdatFile table(std::initializer_list<TdatPoint> points) {
    return TdatFile{"RR00012,2025/11/02", points};
}

double lineAt(const TdatPoint& a, const TdatPoint& b, double x) {
    return a.temperature + (b.temperature - a.temperature) * (x - a.count) / (b.count - a.count);
}

TEST(TTempCal, NoneReturnsTheTableTemperatureAtATableCount) {
    TTempCal cal;
    ASSERT_TRUE(cal.setDatFileName(kFixtures + "rtd.tdat").ok());
    cal.setPrecision(TPrec::None);
    const auto file = readTdatFile(kFixtures + "rtd.tdat");
    ASSERT_TRUE(file.ok());
    for (const TdatPoint& point : file->points) {
        const auto converted = cal.Convert(point.count);
        ASSERT_TRUE(converted.has_value());
        EXPECT_NEAR(*converted, point.temperature, 1e-12) << point.count;
    }
}

TEST(TTempCal, DescendingFileConvertsLikeTheSortedFile) {
    TTempCal sorted;
    TTempCal descending;
    ASSERT_TRUE(sorted.setDatFileName(kFixtures + "rtd.tdat").ok());
    ASSERT_TRUE(descending.setDatFileName(kFixtures + "rtd_descending.tdat").ok());
    for (TPrec mode : {TPrec::None, TPrec::PrecisionOn, TPrec::PrecisionOnAdv}) {
        sorted.setPrecision(mode);
        descending.setPrecision(mode);
        for (double count = 19000.0; count < 28000.0; count += 137.0)
            EXPECT_EQ(sorted.Convert(count), descending.Convert(count)) << count;
    }
}

TEST(TTempCal, TwoPointTableIsOneStraightLineInEveryMode) {
    const TdatPoint a{10.0, 1000.0};
    const TdatPoint b{60.0, 2000.0};
    TTempCal cal;
    cal.setTable(table({b, a}));
    for (TPrec mode : {TPrec::None, TPrec::PrecisionOn, TPrec::PrecisionOnAdv}) {
        cal.setPrecision(mode);
        for (double count : {500.0, 1000.0, 1500.0, 2000.0, 2600.0})
            EXPECT_NEAR(*cal.Convert(count), lineAt(a, b, count), 1e-9) << count;
    }
}

TEST(TTempCal, ExtrapolatesAlongTheEndSegments) {
    TTempCal cal;
    ASSERT_TRUE(cal.setDatFileName(kFixtures + "rtd.tdat").ok());
    cal.setPrecision(TPrec::None);
    const auto file = readTdatFile(kFixtures + "rtd.tdat");
    const auto& p = file->points;
    EXPECT_NEAR(*cal.Convert(15000.0), lineAt(p[0], p[1], 15000.0), 1e-9);
    EXPECT_NEAR(*cal.Convert(30000.0), lineAt(p[6], p[7], 30000.0), 1e-9);
    EXPECT_NEAR(*cal.Convert(p[7].count), p[7].temperature, 1e-9);
}

TEST(TTempCal, BlendsWeightNestedSegments) {
    const TdatPoint p0{0.0, 100.0}, p1{12.0, 200.0}, p2{20.0, 300.0}, p3{36.0, 400.0};
    TTempCal cal;
    cal.setTable(table({p0, p1, p2, p3}));
    cal.setPrecisionLevel(2);
    cal.setPrecisionRate(1);
    const double x = 240.0;
    const double l12 = lineAt(p1, p2, x), l03 = lineAt(p0, p3, x);
    const double l02 = lineAt(p0, p2, x), l13 = lineAt(p1, p3, x);

    cal.setPrecision(TPrec::PrecisionOn);  // segments (1,2) weight 2 and (0,3) weight 1
    EXPECT_NEAR(*cal.Convert(x), (2.0 * l12 + l03) / 3.0, 1e-12);

    cal.setPrecision(TPrec::PrecisionOnAdv);  // outer offset 0 weighs 2, offset 1 weighs 1
    EXPECT_NEAR(*cal.Convert(x), (2.0 * (l12 + l02 + l13) + (l13 + l02 + 2.0 * l03)) / 10.0, 1e-12);
}

TEST(TTempCal, HighRatesAndLevelsStayFinite) {
    TTempCal cal;
    ASSERT_TRUE(cal.setDatFileName(kFixtures + "rtd.tdat").ok());
    cal.setPrecisionRate(5000);
    cal.setPrecisionLevel(50);
    for (TPrec mode : {TPrec::PrecisionOn, TPrec::PrecisionOnAdv}) {
        cal.setPrecision(mode);
        const auto converted = cal.Convert(21500.0);
        ASSERT_TRUE(converted.has_value());
        EXPECT_GT(*converted, 25.0);
        EXPECT_LT(*converted, 75.0);
    }
}

TEST(TTempCal, PropertiesBelowOneAreStoredAsOne) {
    TTempCal cal;
    EXPECT_EQ(cal.PrecisionLevel(), 4);
    EXPECT_EQ(cal.PrecisionRate(), 10);
    EXPECT_EQ(cal.Precision(), TPrec::PrecisionOn);
    cal.setPrecisionLevel(0);
    cal.setPrecisionRate(-3);
    EXPECT_EQ(cal.PrecisionLevel(), 1);
    EXPECT_EQ(cal.PrecisionRate(), 1);
}

TEST(TTempCal, NoValueWithoutTwoDistinctPointsToDrawALine) {
    TTempCal cal;
    EXPECT_FALSE(cal.Convert(100.0).has_value());
    cal.setTable(table({{20.0, 1000.0}}));
    EXPECT_FALSE(cal.Convert(1000.0).has_value());
    cal.setTable(table({{20.0, 1000.0}, {30.0, 1000.0}}));
    cal.setPrecision(TPrec::None);
    EXPECT_FALSE(cal.Convert(1200.0).has_value());
}

TEST(TTempCal, FailedLoadLeavesAnEmptyTableAndTheNameUnchanged) {
    TTempCal cal;
    ASSERT_TRUE(cal.setDatFileName(kFixtures + "rtd.tdat").ok());
    EXPECT_FALSE(cal.setDatFileName(kFixtures + "not_a_number.dat").ok());
    EXPECT_EQ(cal.pointCount(), 0u);
    EXPECT_EQ(cal.DatFileName(), kFixtures + "rtd.tdat");
}

}  // namespace
}  // namespace rvxmod
