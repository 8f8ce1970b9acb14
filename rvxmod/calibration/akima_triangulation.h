#pragma once

#include <span>

#include "common/result.h"
#include "rvxmod/calibration/akima_geometry.h"

namespace rvxmod::akima {

// Max-min angle triangulation of scattered points, grown outwards from the closest pair with
// Lawson's diagonal exchanges after every insertion. Coincident or all collinear points have no
// triangulation.
rvx::Result<Triangulation> triangulate(std::span<const Point2> points);

}  // namespace rvxmod::akima
