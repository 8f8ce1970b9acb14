#pragma once

#include <span>
#include <vector>

#include "rvxmod/calibration/akima_geometry.h"

namespace rvxmod::akima {

// Rectangles over the range of the points, each listing (in triangle order) the triangles whose
// bounding box meets it, so locating a point tests only the triangles of its rectangle. Points
// beyond the range fall into the outermost rectangles.
class TriangleGrid {
public:
    TriangleGrid() = default;
    TriangleGrid(std::span<const Point2> points, std::span<const Triangle> triangles,
                 std::size_t cellsPerAxis);

    std::span<const int> candidates(Point2 p) const;

private:
    struct Axis {
        double origin = 0.0;
        double width = 1.0;
        std::size_t cells = 1;
        std::size_t index(double value) const;
    };
    std::size_t cellOf(Point2 p) const { return y_.index(p.y) * x_.cells + x_.index(p.x); }

    Axis x_;
    Axis y_;
    std::vector<std::size_t> offsets_;  // cell c lists triangles_[offsets_[c] .. offsets_[c + 1])
    std::vector<int> triangles_;
};

// Where a point outside the hull belongs: the half-strip beyond a border line, or the wedge
// beyond the starting vertex of a border line. Decided by the nearest part of the hull.
struct BorderRegion {
    std::size_t line = 0;
    bool beyondLine = true;
};

BorderRegion borderRegionOf(std::span<const Point2> points, std::span<const BorderLine> border,
                            Point2 p);

}  // namespace rvxmod::akima
