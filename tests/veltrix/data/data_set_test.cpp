#include "veltrix/data/data_set.h"

#include <gtest/gtest.h>

#include "veltrix/data/job_data_sets.h"

namespace veltrix {
namespace {

TEST(DataSet, KeepsFileOrderAndDuplicates) {
    const DataSet set(makeColumn({3.0, 1.0, 1.0}), makeColumn({30.0, 10.0, 10.0}));
    ASSERT_EQ(set.size(), 3u);
    EXPECT_EQ(set.x(0), 3.0);
    EXPECT_EQ(set.y(2), 10.0);
}

TEST(DataSet, ClockShiftOfSharedTimesIsSeenByEveryDataSetAndCopy) {
    JobDataSets sets;
    DepthColumns columns;
    columns.time = makeColumn({1.0, 2.0});
    columns.depth = makeColumn({10.0, 20.0});
    columns.speed = makeColumn({0.0, 0.0});
    showDepthColumns(sets, columns);
    const DataSet mergeCopy = sets.Depth;
    const auto seen = mergeCopy.version();

    sets.Depth.xColumn()->shift(0.5);

    EXPECT_EQ(sets.Speed_b.x(1), 2.5);
    EXPECT_EQ(mergeCopy.x(0), 1.5);
    EXPECT_NE(mergeCopy.version(), seen);
    EXPECT_EQ(sets.Speed.y(1), 20.0);   // depth untouched
    EXPECT_TRUE(sets.Tension.empty());  // the file carried no tension
}

}  // namespace
}  // namespace veltrix
