#include "veltrix/app/curve_thinning.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace veltrix {
namespace {

TEST(CurveThinning, PointsInRowsOfTheirOwnAreAllKept) {
    const std::vector<double> depths{100.0, 102.0, 104.0, 102.0, 100.0};
    const std::vector<double> across{1.0, 5.0, 2.0, 4.0, 3.0};
    std::vector<std::size_t> all(depths.size());
    std::iota(all.begin(), all.end(), 0u);
    EXPECT_EQ(pointsWorthDrawing(depths, across, 1.0), all);
}

TEST(CurveThinning, ADenseTripKeepsItsEndsItsExtremesAndItsOrder) {
    // Down 100 ft and back up in 200,000 points; the value across wobbles.
    std::vector<double> depths;
    std::vector<double> across;
    for (int i = 0; i < 200'000; ++i) {
        depths.push_back(100.0 - std::abs(i - 100'000) * 0.001);
        across.push_back(std::sin(i * 0.37) * (i == 150'001 ? 10.0 : 1.0));
    }
    const std::vector<std::size_t> kept = pointsWorthDrawing(depths, across, 1.0);

    EXPECT_LE(kept.size(), 4u * 2u * 101u);
    EXPECT_TRUE(std::is_sorted(kept.begin(), kept.end()));
    EXPECT_TRUE(std::adjacent_find(kept.begin(), kept.end()) == kept.end());
    EXPECT_EQ(kept.front(), 0u);
    EXPECT_EQ(kept.back(), depths.size() - 1);
    const auto [low, high] = std::minmax_element(across.begin(), across.end());
    for (const auto extreme : {low, high}) {
        const auto index = static_cast<std::size_t>(extreme - across.begin());
        EXPECT_TRUE(std::binary_search(kept.begin(), kept.end(), index)) << index;
    }
}

}  // namespace
}  // namespace veltrix
