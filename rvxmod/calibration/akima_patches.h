#pragma once

#include <array>

#include "rvxmod/calibration/akima_derivatives.h"

namespace rvxmod::akima {

// Affine map from the plane to local coordinates (u, v) of a patch.
struct LocalFrame {
    double x0 = 0.0;
    double y0 = 0.0;
    double ap = 1.0;
    double bp = 0.0;
    double cp = 0.0;
    double dp = 1.0;

    Point2 local(double x, double y) const {
        const double dx = x - x0;
        const double dy = y - y0;
        return {ap * dx + bp * dy, cp * dx + dp * dy};
    }
};

// Bivariate polynomial in (u, v): c[j][k] multiplies u^j v^k.
struct LocalPolynomial {
    std::array<std::array<double, 6>, 6> c{};

    double evaluate(Point2 uv) const {
        double sum = 0.0;
        for (std::size_t j = c.size(); j-- > 0;) {
            const std::array<double, 6>& row = c[j];
            double inner = 0.0;
            for (std::size_t k = row.size(); k-- > 0;) inner = inner * uv.y + row[k];
            sum = sum * uv.x + inner;
        }
        return sum;
    }
};

// A surface value at a point with its partial derivatives.
struct SurfacePoint {
    Point2 at;
    double z = 0.0;
    Derivatives d;
};

// Akima's quintic over a triangle (corners counter-clockwise): matches value, gradient and second
// derivatives at the corners, with the normal derivative cubic along each side, so neighbouring
// triangles join smoothly.
LocalFrame triangleFrame(Point2 p1, Point2 p2, Point2 p3);
LocalPolynomial trianglePolynomial(const SurfacePoint& p1, const SurfacePoint& p2,
                                   const SurfacePoint& p3);

// Extrapolation into the half-strip beyond a border line from the data at its two ends: quintic
// along the line, cubic first and linear second derivative across it.
LocalFrame stripFrame(Point2 from, Point2 to);
LocalPolynomial stripPolynomial(const SurfacePoint& from, const SurfacePoint& to);

// Extrapolation into the wedge beyond a border vertex: its second-degree Taylor polynomial.
LocalFrame vertexFrame(Point2 vertex);
LocalPolynomial vertexPolynomial(const SurfacePoint& vertex);

}  // namespace rvxmod::akima
