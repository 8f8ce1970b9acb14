#pragma once

#include <array>
#include <vector>

namespace rvxmod::akima {

struct Point2 {
    double x = 0.0;
    double y = 0.0;
};

// Twice the signed area of (a, b, c): positive when the three turn counter-clockwise.
inline double cross(Point2 a, Point2 b, Point2 c) {
    return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
}

inline double distanceSquared(Point2 a, Point2 b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    return dx * dx + dy * dy;
}

using Triangle = std::array<int, 3>;  // point indices, counter-clockwise

// A segment of the convex hull, interior on its left, and the triangle it belongs to.
struct BorderLine {
    int from = 0;
    int to = 0;
    int triangle = 0;
};

struct Triangulation {
    std::vector<Triangle> triangles;
    std::vector<BorderLine> border;  // counter-clockwise around the hull
};

}  // namespace rvxmod::akima
