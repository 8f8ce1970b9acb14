#include "rvxmod/calibration/akima_triangulation.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>
#include <utility>

#include "common/text_catalogue.h"

namespace rvxmod::akima {
namespace {

constexpr const char* kContext = "rvxmod::WaveCal";
// Relative to the squared shortest distance between two points.
constexpr double kCollinearityRatio = 1.0e-6;
constexpr int kMaxExchangePasses = 100;

struct Edge {
    int a = 0;
    int b = 0;
};

rvx::Error triangulationError(const char* what) {
    return rvx::fail(rvx::trText(kContext, what));
}

// Squared sine of the smallest angle of a triangle.
double smallestAngleSineSquared(Point2 a, Point2 b, Point2 c) {
    const double area2 = cross(a, b, c);
    const double ab = distanceSquared(a, b);
    const double bc = distanceSquared(b, c);
    const double ca = distanceSquared(c, a);
    // The smallest angle lies between the two longest sides.
    const double longestProduct = std::max({ab * bc, bc * ca, ca * ab});
    return area2 * area2 / longestProduct;
}

class Builder {
public:
    Builder(std::span<const Point2> points, double tolerance)
        : points_(points), tolerance_(tolerance) {}

    void start(int a, int b, int c) {
        triangles_.push_back(counterClockwise(a, b, c));
        hull_.assign(triangles_.front().begin(), triangles_.front().end());
    }

    // Joins p to every border line it sees, then restores the max-min angle property.
    bool insert(int p) {
        const std::size_t n = hull_.size();
        std::vector<bool> visible(n);
        for (std::size_t i = 0; i < n; ++i)
            visible[i] = cross(at(hull_[i]), at(hull_[(i + 1) % n]), at(p)) < -tolerance_;
        std::size_t first = n;
        for (std::size_t i = 0; i < n && first == n; ++i)
            if (visible[i] && !visible[(i + n - 1) % n]) first = i;
        if (first == n) return false;  // sees nothing, or everything: degenerate

        std::vector<Edge> suspects;
        std::size_t count = 0;
        while (visible[(first + count) % n]) {
            const int from = hull_[(first + count) % n];
            const int to = hull_[(first + count + 1) % n];
            triangles_.push_back({from, p, to});
            suspects.push_back({from, to});
            ++count;
        }
        std::vector<int> hull;
        for (std::size_t i = first + count; i <= first + n; ++i) hull.push_back(hull_[i % n]);
        hull.push_back(p);
        hull_ = std::move(hull);
        exchangeDiagonals(std::move(suspects));
        return true;
    }

    Triangulation finish() const {
        Triangulation result{triangles_, {}};
        const std::size_t n = hull_.size();
        for (std::size_t i = 0; i < n; ++i) {
            const Edge edge{hull_[i], hull_[(i + 1) % n]};
            result.border.push_back({edge.a, edge.b, trianglesOf(edge).first});
        }
        return result;
    }

private:
    Point2 at(int index) const { return points_[static_cast<std::size_t>(index)]; }

    Triangle counterClockwise(int a, int b, int c) const {
        return cross(at(a), at(b), at(c)) < 0.0 ? Triangle{a, c, b} : Triangle{a, b, c};
    }

    // The triangles on either side of an edge; -1 where there is none (border lines).
    std::pair<int, int> trianglesOf(Edge edge) const {
        std::pair<int, int> found{-1, -1};
        for (std::size_t t = 0; t < triangles_.size(); ++t) {
            const Triangle& tri = triangles_[t];
            if (std::ranges::count(tri, edge.a) == 1 && std::ranges::count(tri, edge.b) == 1)
                (found.first < 0 ? found.first : found.second) = static_cast<int>(t);
        }
        return found;
    }

    int opposite(int triangle, Edge edge) const {
        for (int vertex : triangles_[static_cast<std::size_t>(triangle)])
            if (vertex != edge.a && vertex != edge.b) return vertex;
        return -1;
    }

    // Lawson's criterion on the quadrilateral a-c-b-d with diagonal a-b: exchange for c-d when
    // the quadrilateral is convex and the smallest angle grows.
    bool exchangeWanted(Edge edge, int c, int d) const {
        const Point2 pa = at(edge.a);
        const Point2 pb = at(edge.b);
        const Point2 pc = at(c);
        const Point2 pd = at(d);
        if (!(cross(pc, pd, pa) * cross(pc, pd, pb) < 0.0)) return false;
        const double before =
            std::min(smallestAngleSineSquared(pa, pb, pc), smallestAngleSineSquared(pa, pb, pd));
        const double after =
            std::min(smallestAngleSineSquared(pc, pd, pa), smallestAngleSineSquared(pc, pd, pb));
        return after > before;
    }

    void exchangeDiagonals(std::vector<Edge> suspects) {
        for (int pass = 0; pass < kMaxExchangePasses && !suspects.empty(); ++pass) {
            std::vector<Edge> next;
            for (const Edge edge : suspects) {
                const auto [first, second] = trianglesOf(edge);
                if (second < 0) continue;
                const int c = opposite(first, edge);
                const int d = opposite(second, edge);
                if (!exchangeWanted(edge, c, d)) continue;
                triangles_[static_cast<std::size_t>(first)] = counterClockwise(c, d, edge.a);
                triangles_[static_cast<std::size_t>(second)] = counterClockwise(c, d, edge.b);
                next.insert(next.end(), {{edge.a, c}, {c, edge.b}, {edge.b, d}, {d, edge.a}});
            }
            suspects = std::move(next);
        }
    }

    std::span<const Point2> points_;
    double tolerance_;
    std::vector<Triangle> triangles_;
    std::vector<int> hull_;  // counter-clockwise
};

std::optional<std::pair<int, int>> closestPair(std::span<const Point2> points) {
    std::optional<std::pair<int, int>> best;
    double bestDistance = 0.0;
    for (std::size_t i = 0; i < points.size(); ++i)
        for (std::size_t j = i + 1; j < points.size(); ++j) {
            const double d = distanceSquared(points[i], points[j]);
            if (!best || d < bestDistance) {
                best = {static_cast<int>(i), static_cast<int>(j)};
                bestDistance = d;
            }
        }
    return best;
}

}  // namespace

rvx::Result<Triangulation> triangulate(std::span<const Point2> points) {
    const auto pair = closestPair(points);
    if (!pair) return triangulationError("too few calibration points");
    const auto [a, b] = *pair;
    const Point2 pa = points[static_cast<std::size_t>(a)];
    const Point2 pb = points[static_cast<std::size_t>(b)];
    const double shortest = distanceSquared(pa, pb);
    if (shortest == 0.0) return triangulationError("two calibration points have the same counts");

    // The others in order of their distance from the middle of the closest pair.
    const Point2 middle{(pa.x + pb.x) / 2.0, (pa.y + pb.y) / 2.0};
    std::vector<int> order;
    for (int i = 0; i < static_cast<int>(points.size()); ++i)
        if (i != a && i != b) order.push_back(i);
    std::ranges::stable_sort(order, std::ranges::less{}, [&](int i) {
        return distanceSquared(points[static_cast<std::size_t>(i)], middle);
    });

    const double tolerance = kCollinearityRatio * shortest;
    const auto third = std::ranges::find_if(order, [&](int i) {
        return std::abs(cross(pa, pb, points[static_cast<std::size_t>(i)])) > tolerance;
    });
    if (third == order.end()) return triangulationError("all calibration points lie on one line");
    Builder builder(points, tolerance);
    builder.start(a, b, *third);
    order.erase(third);
    for (const int p : order)
        if (!builder.insert(p)) return triangulationError("the calibration points are degenerate");
    return builder.finish();
}

}  // namespace rvxmod::akima
