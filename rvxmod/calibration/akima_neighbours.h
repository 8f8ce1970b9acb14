#pragma once

#include <array>
#include <span>
#include <vector>

#include "common/result.h"
#include "rvxmod/calibration/akima_geometry.h"

namespace rvxmod::akima {

inline constexpr std::size_t kNeighbourCount = 8;
using Neighbours = std::array<int, kNeighbourCount>;

// The nearest other points of every point (ties to the lower index). When they all lie within
// 15 degrees of one line through the point, the farthest gives way to the nearest point off it,
// so the derivative estimate sees both directions. Needs more than kNeighbourCount points.
rvx::Result<std::vector<Neighbours>> nearestNeighbours(std::span<const Point2> points);

}  // namespace rvxmod::akima
