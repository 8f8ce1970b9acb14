#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace veltrix {

// Which points of a line drawn in file order are worth drawing at a given depth resolution.
// Consecutive points that fall into the same pixel row collapse to the first, the smallest and
// the largest value across and the last of them, so the drawn line keeps its envelope and its
// course while millions of points shrink to a few per row and pass. Indices ascend.
std::vector<std::size_t> pointsWorthDrawing(std::span<const double> depths,
                                            std::span<const double> across, double depthPerPixel);

}  // namespace veltrix
