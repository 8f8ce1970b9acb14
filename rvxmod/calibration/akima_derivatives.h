#pragma once

#include <span>
#include <vector>

#include "rvxmod/calibration/akima_neighbours.h"

namespace rvxmod::akima {

struct Derivatives {
    double zx = 0.0;
    double zy = 0.0;
    double zxx = 0.0;
    double zxy = 0.0;
    double zyy = 0.0;
};

// First and second partial derivatives of a surface at every point, from the upward normals of
// the triangles the point forms with each pair of its neighbours.
std::vector<Derivatives> estimateDerivatives(std::span<const Point2> points,
                                             std::span<const double> values,
                                             std::span<const Neighbours> neighbours);

}  // namespace rvxmod::akima
