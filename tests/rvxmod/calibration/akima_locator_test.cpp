#include "rvxmod/calibration/akima_locator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "rvxmod/calibration/akima_triangulation.h"

namespace rvxmod::akima {
namespace {

std::vector<Point2> scattered(std::size_t count) {
    std::mt19937 random(31);
    std::uniform_real_distribution<double> x(1.0e6, 3.0e6);
    std::uniform_real_distribution<double> y(5.0e5, 9.0e5);
    std::vector<Point2> points;
    for (std::size_t i = 0; i < count; ++i) points.push_back({x(random), y(random)});
    return points;
}

bool contains(std::span<const Point2> points, const Triangle& t, Point2 p) {
    const auto at = [&](int i) { return points[static_cast<std::size_t>(i)]; };
    return cross(at(t[0]), at(t[1]), p) >= 0.0 && cross(at(t[1]), at(t[2]), p) >= 0.0 &&
           cross(at(t[2]), at(t[0]), p) >= 0.0;
}

// Every triangle that holds a point is listed, in triangle order, for the point's rectangle, so
// the first match and hence the conversion is the same for any number of rectangles.
TEST(AkimaLocator, EveryRectangleListsAllTrianglesThatCanHoldItsPoints) {
    const std::vector<Point2> points = scattered(300);
    const auto triangulation = triangulate(points);
    ASSERT_TRUE(triangulation.ok());
    const auto& triangles = triangulation->triangles;
    std::mt19937 random(37);
    std::uniform_real_distribution<double> x(0.8e6, 3.2e6);
    std::uniform_real_distribution<double> y(4.5e5, 9.5e5);
    for (const std::size_t cells : {std::size_t{3}, std::size_t{17}}) {
        const TriangleGrid grid(points, triangles, cells);
        for (int i = 0; i < 2000; ++i) {
            const Point2 p{x(random), y(random)};
            const std::span<const int> listed = grid.candidates(p);
            EXPECT_TRUE(std::ranges::is_sorted(listed));
            for (std::size_t t = 0; t < triangles.size(); ++t) {
                if (contains(points, triangles[t], p)) {
                    EXPECT_TRUE(std::ranges::binary_search(listed, static_cast<int>(t)));
                }
            }
        }
    }
}

TEST(AkimaLocator, PointsBeyondTheHullBelongToTheNearestBorderPart) {
    // A square hull, counter-clockwise: (0,0) (10,0) (10,10) (0,10).
    const std::vector<Point2> corners{{0.0, 0.0}, {10.0, 0.0}, {10.0, 10.0}, {0.0, 10.0}};
    const std::vector<BorderLine> border{{0, 1, 0}, {1, 2, 0}, {2, 3, 1}, {3, 0, 1}};
    struct Case {
        Point2 p;
        std::size_t line;
        bool beyondLine;
    };
    const Case cases[] = {{{5.0, -3.0}, 0, true},   {{13.0, 4.0}, 1, true},
                          {{-2.0, 9.0}, 3, true},   {{12.0, -1.0}, 1, false},
                          {{-1.0, -5.0}, 0, false}, {{11.0, 30.0}, 2, false}};
    for (const Case& c : cases) {
        const BorderRegion region = borderRegionOf(corners, border, c.p);
        EXPECT_EQ(region.line, c.line) << c.p.x << "," << c.p.y;
        EXPECT_EQ(region.beyondLine, c.beyondLine) << c.p.x << "," << c.p.y;
    }
}

}  // namespace
}  // namespace rvxmod::akima
