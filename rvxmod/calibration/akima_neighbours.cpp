#include "rvxmod/calibration/akima_neighbours.h"

#include <algorithm>
#include <numeric>

#include "common/text_catalogue.h"

namespace rvxmod::akima {
namespace {

constexpr const char* kContext = "rvxmod::WaveCal";
// Squared sine of 15 degrees.
constexpr double kCollinearSineSquared = 0.06698;

// Squared sine of the angle at origin between the directions to a and b.
double sineSquared(Point2 origin, Point2 a, Point2 b) {
    const double c = cross(origin, a, b);
    return c * c / (distanceSquared(origin, a) * distanceSquared(origin, b));
}

}  // namespace

rvx::Result<std::vector<Neighbours>> nearestNeighbours(std::span<const Point2> points) {
    if (points.size() <= kNeighbourCount)
        return rvx::fail(rvx::trText(kContext, "fewer than 9 calibration points"));
    std::vector<Neighbours> result(points.size());
    std::vector<int> others(points.size() - 1);
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Point2 origin = points[i];
        const auto at = [&](int k) { return points[static_cast<std::size_t>(k)]; };
        std::iota(others.begin(), others.end(), 0);
        for (int& k : others)
            if (k >= static_cast<int>(i)) ++k;
        std::ranges::stable_sort(others, std::ranges::less{},
                                 [&](int k) { return distanceSquared(origin, at(k)); });
        const Point2 direction = at(others.front());
        const auto offLine = [&](int k) {
            return sineSquared(origin, direction, at(k)) > kCollinearSineSquared;
        };
        const auto chosenEnd = others.begin() + kNeighbourCount;
        if (std::none_of(others.begin(), chosenEnd, offLine)) {
            const auto replacement = std::find_if(chosenEnd, others.end(), offLine);
            if (replacement == others.end())
                return rvx::fail(rvx::trText(kContext, "all calibration points lie near one line"));
            *(chosenEnd - 1) = *replacement;
        }
        std::copy(others.begin(), chosenEnd, result[i].begin());
    }
    return result;
}

}  // namespace rvxmod::akima
