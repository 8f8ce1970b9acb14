#include "rvxmod/calibration/akima_locator.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace rvxmod::akima {

std::size_t TriangleGrid::Axis::index(double value) const {
    const double position = (value - origin) / width;
    if (!(position >= 1.0)) return 0;  // below the range, or not a number
    if (position >= static_cast<double>(cells - 1)) return cells - 1;
    return static_cast<std::size_t>(position);
}

TriangleGrid::TriangleGrid(std::span<const Point2> points, std::span<const Triangle> triangles,
                           std::size_t cellsPerAxis) {
    const auto [minX, maxX] = std::ranges::minmax(points, {}, &Point2::x);
    const auto [minY, maxY] = std::ranges::minmax(points, {}, &Point2::y);
    const auto axis = [&](double low, double high) {
        const double width = (high - low) / static_cast<double>(cellsPerAxis);
        return Axis{low, width > 0.0 ? width : 1.0, cellsPerAxis};
    };
    x_ = axis(minX.x, maxX.x);
    y_ = axis(minY.y, maxY.y);

    std::vector<std::vector<int>> cells(cellsPerAxis * cellsPerAxis);
    for (std::size_t t = 0; t < triangles.size(); ++t) {
        const auto corner = [&](int k) {
            return points[static_cast<std::size_t>(triangles[t][k])];
        };
        const double lowX = std::min({corner(0).x, corner(1).x, corner(2).x});
        const double highX = std::max({corner(0).x, corner(1).x, corner(2).x});
        const double lowY = std::min({corner(0).y, corner(1).y, corner(2).y});
        const double highY = std::max({corner(0).y, corner(1).y, corner(2).y});
        for (std::size_t row = y_.index(lowY); row <= y_.index(highY); ++row)
            for (std::size_t column = x_.index(lowX); column <= x_.index(highX); ++column)
                cells[row * x_.cells + column].push_back(static_cast<int>(t));
    }
    offsets_.push_back(0);
    for (const std::vector<int>& cell : cells) {
        triangles_.insert(triangles_.end(), cell.begin(), cell.end());
        offsets_.push_back(triangles_.size());
    }
}

std::span<const int> TriangleGrid::candidates(Point2 p) const {
    const std::size_t cell = cellOf(p);
    return std::span<const int>(triangles_)
        .subspan(offsets_[cell], offsets_[cell + 1] - offsets_[cell]);
}

BorderRegion borderRegionOf(std::span<const Point2> points, std::span<const BorderLine> border,
                            Point2 p) {
    BorderRegion nearest;
    double nearestDistance = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < border.size(); ++i) {
        const Point2 a = points[static_cast<std::size_t>(border[i].from)];
        const Point2 b = points[static_cast<std::size_t>(border[i].to)];
        const double dx = b.x - a.x;
        const double dy = b.y - a.y;
        const double t = ((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy);
        BorderRegion region{i, true};
        Point2 closest{a.x + t * dx, a.y + t * dy};
        if (t <= 0.0) {
            region.beyondLine = false;
            closest = a;
        } else if (t >= 1.0) {
            region = {(i + 1) % border.size(), false};
            closest = b;
        }
        const double distance = distanceSquared(p, closest);
        if (distance < nearestDistance) {
            nearest = region;
            nearestDistance = distance;
        }
    }
    return nearest;
}

}  // namespace rvxmod::akima
