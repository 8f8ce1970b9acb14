#include "rvxmod/calibration/akima_derivatives.h"

namespace rvxmod::akima {
namespace {

// Sum of upward normals over neighbour pairs; the x and y parts come per value set, the vertical
// part depends on the plane geometry only. A pair in line with the point has no upward side.
template <std::size_t Sets>
struct NormalSum {
    std::array<double, Sets> nx{};
    std::array<double, Sets> ny{};
    double nz = 0.0;
};

template <std::size_t Sets>
NormalSum<Sets> sumNormals(std::span<const Point2> points, std::size_t i, const Neighbours& near,
                           const std::array<std::span<const double>, Sets>& values) {
    NormalSum<Sets> sum;
    for (std::size_t j = 0; j + 1 < near.size(); ++j)
        for (std::size_t k = j + 1; k < near.size(); ++k) {
            const auto pj = static_cast<std::size_t>(near[j]);
            const auto pk = static_cast<std::size_t>(near[k]);
            const double dx1 = points[pj].x - points[i].x;
            const double dy1 = points[pj].y - points[i].y;
            const double dx2 = points[pk].x - points[i].x;
            const double dy2 = points[pk].y - points[i].y;
            const double nz = dx1 * dy2 - dy1 * dx2;
            if (nz == 0.0) continue;
            const double sign = nz > 0.0 ? 1.0 : -1.0;
            sum.nz += sign * nz;
            for (std::size_t s = 0; s < Sets; ++s) {
                const double dz1 = values[s][pj] - values[s][i];
                const double dz2 = values[s][pk] - values[s][i];
                sum.nx[s] += sign * (dy1 * dz2 - dz1 * dy2);
                sum.ny[s] += sign * (dz1 * dx2 - dx1 * dz2);
            }
        }
    return sum;
}

}  // namespace

std::vector<Derivatives> estimateDerivatives(std::span<const Point2> points,
                                             std::span<const double> values,
                                             std::span<const Neighbours> neighbours) {
    std::vector<Derivatives> result(points.size());
    std::vector<double> zx(points.size());
    std::vector<double> zy(points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        const NormalSum<1> n = sumNormals<1>(points, i, neighbours[i], {values});
        zx[i] = -n.nx[0] / n.nz;
        zy[i] = -n.ny[0] / n.nz;
    }
    for (std::size_t i = 0; i < points.size(); ++i) {
        const NormalSum<2> n = sumNormals<2>(
            points, i, neighbours[i], {std::span<const double>(zx), std::span<const double>(zy)});
        result[i] = {zx[i], zy[i], -n.nx[0] / n.nz, -(n.ny[0] + n.nx[1]) / (2.0 * n.nz),
                     -n.ny[1] / n.nz};
    }
    return result;
}

}  // namespace rvxmod::akima
