#include "veltrix/data/nearest_point.h"

#include <gtest/gtest.h>

#include <vector>

namespace veltrix {
namespace {

TEST(FirstAtOrAfter, HalvingSortedKeysAgreesWithTheSearchOneByOne) {
    const std::vector<double> keys{1.0, 2.0, 2.0, 4.0};
    struct Case {
        double key;
        std::size_t expected;
    };
    for (const Case& c :
         {Case{0.5, 0}, Case{1.0, 0}, Case{2.0, 1}, Case{3.0, 3}, Case{4.0, 3}, Case{4.5, 4}}) {
        EXPECT_EQ(firstAtOrAfter(keys, c.key, true), c.expected) << c.key;
        EXPECT_EQ(firstAtOrAfter(keys, c.key, false), c.expected) << c.key;
    }
}

TEST(FirstAtOrAfter, KeysInFileOrderAnswerTheFirstInThatOrder) {
    // Down to 300 and back up: 150 is first reached on the way down.
    const std::vector<double> depths{100.0, 200.0, 300.0, 200.0, 100.0};
    EXPECT_EQ(firstAtOrAfter(depths, 150.0, false), 1u);
    EXPECT_EQ(firstAtOrAfter(depths, 350.0, false), depths.size());
}

class NearestAlongKey : public ::testing::Test {
protected:
    // Values drawn 10 pixels per unit from pixel 0.
    PickQuery queryAt(double key, double pixel, PickedIndex picked) const {
        return {key, pixel, AxisScale{0.0, 10.0}, picked};
    }
    const std::vector<double> keys{1.0, 2.0, 3.0};
    const std::vector<double> values{5.0, 6.0, 7.0};
};

TEST_F(NearestAlongKey, TimeChartsAnswerThePointBeforeAndDepthChartsThePointItself) {
    PickState state;
    EXPECT_EQ(
        nearestAlongKey(keys, values, true, queryAt(2.5, 71.0, PickedIndex::PointBefore), state),
        1);
    EXPECT_DOUBLE_EQ(state.bestDistance, 1.0);

    PickState first;
    EXPECT_EQ(
        nearestAlongKey(keys, values, true, queryAt(0.5, 50.0, PickedIndex::PointBefore), first),
        0);
    PickState depth;
    EXPECT_EQ(
        nearestAlongKey(keys, values, false, queryAt(2.5, 71.0, PickedIndex::PointItself), depth),
        2);
}

TEST_F(NearestAlongKey, OnlyAStrictlyNearerPointReplacesTheBestSoFar) {
    PickState state;
    ASSERT_EQ(
        nearestAlongKey(keys, values, true, queryAt(3.0, 72.0, PickedIndex::PointItself), state),
        2);
    const std::vector<double> sameDistance{9.0, 9.0, 7.4};
    EXPECT_EQ(nearestAlongKey(keys, sameDistance, true,
                              queryAt(3.0, 72.0, PickedIndex::PointItself), state),
              -1);
    const std::vector<double> nearer{9.0, 9.0, 7.1};
    EXPECT_EQ(
        nearestAlongKey(keys, nearer, true, queryAt(3.0, 72.0, PickedIndex::PointItself), state),
        2);
    EXPECT_NEAR(state.bestDistance, 1.0, 1e-9);
}

TEST_F(NearestAlongKey, NothingAtOrAfterTheMouseOrAnEmptySeriesGivesNoPoint) {
    PickState state;
    EXPECT_EQ(
        nearestAlongKey(keys, values, true, queryAt(3.5, 70.0, PickedIndex::PointBefore), state),
        -1);
    EXPECT_EQ(nearestAlongKey({}, {}, true, queryAt(1.0, 70.0, PickedIndex::PointBefore), state),
              -1);
    EXPECT_DOUBLE_EQ(state.bestDistance, PickState{}.bestDistance);
}

}  // namespace
}  // namespace veltrix
