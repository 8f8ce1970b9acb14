#include "rvxmod/calibration/wave_cal.h"

#include <algorithm>
#include <cmath>

#include "rvxmod/calibration/akima_derivatives.h"
#include "rvxmod/calibration/akima_neighbours.h"
#include "rvxmod/calibration/akima_triangulation.h"

namespace rvxmod {
namespace {

// About two triangles per rectangle keeps location to a handful of tests; never fewer than three
// rectangles a side.
std::size_t gridCellsPerAxis(std::size_t triangleCount) {
    const auto cells =
        static_cast<std::size_t>(std::sqrt(static_cast<double>(triangleCount) / 2.0));
    return std::max<std::size_t>(cells, 3);
}

}  // namespace

rvx::Result<TWaveCal> TWaveCal::load(const std::filesystem::path& path) {
    const rvx::Result<DatFile> file = readDatFile(path);
    if (!file) return file.error();
    return fromPoints(file->points, path.string());
}

rvx::Result<TWaveCal> TWaveCal::fromPoints(std::span<const CalPoint> points, std::string fileName) {
    using namespace akima;
    std::vector<Point2> plane;
    std::vector<double> pressures;
    std::vector<double> temperatures;
    for (const CalPoint& point : points) {
        plane.push_back({point.X, point.Y});
        pressures.push_back(point.P);
        temperatures.push_back(point.T);
    }
    const auto refused = [&](const rvx::Error& error) {
        return rvx::fail(fileName + ": " + error.message);
    };
    const auto triangulation = triangulate(plane);
    if (!triangulation) return refused(triangulation.error());
    const auto neighbours = nearestNeighbours(plane);
    if (!neighbours) return refused(neighbours.error());
    const std::vector<Derivatives> pressureDerivatives =
        estimateDerivatives(plane, pressures, *neighbours);
    const std::vector<Derivatives> temperatureDerivatives =
        estimateDerivatives(plane, temperatures, *neighbours);
    const auto surfaces = [&](int index) {
        const auto i = static_cast<std::size_t>(index);
        return std::pair{SurfacePoint{plane[i], pressures[i], pressureDerivatives[i]},
                         SurfacePoint{plane[i], temperatures[i], temperatureDerivatives[i]}};
    };

    TWaveCal cal;
    cal.datFileName_ = std::move(fileName);
    for (const Triangle& triangle : triangulation->triangles) {
        const auto [p1, t1] = surfaces(triangle[0]);
        const auto [p2, t2] = surfaces(triangle[1]);
        const auto [p3, t3] = surfaces(triangle[2]);
        cal.trianglePatches_.push_back({triangleFrame(p1.at, p2.at, p3.at),
                                        trianglePolynomial(p1, p2, p3),
                                        trianglePolynomial(t1, t2, t3)});
    }
    for (const BorderLine& line : triangulation->border) {
        const auto [p1, t1] = surfaces(line.from);
        const auto [p2, t2] = surfaces(line.to);
        cal.stripPatches_.push_back(
            {stripFrame(p1.at, p2.at), stripPolynomial(p1, p2), stripPolynomial(t1, t2)});
        cal.vertexPatches_.push_back(
            {vertexFrame(p1.at), vertexPolynomial(p1), vertexPolynomial(t1)});
    }
    cal.grid_ = TriangleGrid(plane, triangulation->triangles,
                             gridCellsPerAxis(triangulation->triangles.size()));
    cal.border_ = triangulation->border;
    cal.points_ = std::move(plane);
    return cal;
}

PressureTemperature TWaveCal::Convert(double X, double Y) const {
    const akima::Point2 p{X, Y};
    for (const int t : grid_.candidates(p)) {
        const Patch& patch = trianglePatches_[static_cast<std::size_t>(t)];
        const akima::Point2 uv = patch.frame.local(X, Y);
        if (uv.x >= 0.0 && uv.y >= 0.0 && uv.x + uv.y <= 1.0) return patch.evaluate(uv);
    }
    const akima::BorderRegion region = akima::borderRegionOf(points_, border_, p);
    const Patch& patch =
        region.beyondLine ? stripPatches_[region.line] : vertexPatches_[region.line];
    return patch.evaluate(patch.frame.local(X, Y));
}

}  // namespace rvxmod
