#include "rvxmod/calibration/akima_patches.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace rvxmod::akima {
namespace {

// A cubic surface with its exact derivatives.
struct Cubic {
    double evaluate(double x, double y) const {
        return 3.0 + 0.5 * x - 2.0 * y + 0.25 * x * x - 0.75 * x * y + 0.1 * y * y +
               0.05 * x * x * x - 0.02 * x * x * y + 0.03 * x * y * y - 0.04 * y * y * y;
    }
    SurfacePoint at(Point2 p) const {
        const double x = p.x;
        const double y = p.y;
        return {p,
                evaluate(x, y),
                {0.5 + 0.5 * x - 0.75 * y + 0.15 * x * x - 0.04 * x * y + 0.03 * y * y,
                 -2.0 - 0.75 * x + 0.2 * y - 0.02 * x * x + 0.06 * x * y - 0.12 * y * y,
                 0.5 + 0.3 * x - 0.04 * y, -0.75 - 0.04 * x + 0.06 * y, 0.2 + 0.06 * x - 0.24 * y}};
    }
};

double valueAt(const LocalFrame& frame, const LocalPolynomial& p, Point2 q) {
    return p.evaluate(frame.local(q.x, q.y));
}

TEST(AkimaPatches, TriangleReproducesACubicFromExactDerivatives) {
    const Cubic cubic;
    const Point2 a{0.3, -0.2}, b{4.1, 0.7}, c{1.2, 3.3};
    const LocalFrame frame = triangleFrame(a, b, c);
    const LocalPolynomial patch = trianglePolynomial(cubic.at(a), cubic.at(b), cubic.at(c));
    for (double s = 0.0; s <= 1.0; s += 0.125)
        for (double t = 0.0; s + t <= 1.0; t += 0.125) {
            const Point2 q{a.x + s * (b.x - a.x) + t * (c.x - a.x),
                           a.y + s * (b.y - a.y) + t * (c.y - a.y)};
            EXPECT_NEAR(valueAt(frame, patch, q), cubic.evaluate(q.x, q.y), 1e-12);
        }
}

struct Patch {
    LocalFrame frame;
    LocalPolynomial polynomial;
    double at(Point2 q) const { return valueAt(frame, polynomial, q); }
};

Patch trianglePatch(const SurfacePoint& p1, const SurfacePoint& p2, const SurfacePoint& p3) {
    return {triangleFrame(p1.at, p2.at, p3.at), trianglePolynomial(p1, p2, p3)};
}

// Along the side from p to q, the patches on its two sides agree in value and in the slope
// across the side; `left` lies to the left of p -> q.
void expectSmoothJoin(const Patch& left, const Patch& right, Point2 p, Point2 q) {
    const double length = std::hypot(q.x - p.x, q.y - p.y);
    const Point2 normal{-(q.y - p.y) / length, (q.x - p.x) / length};
    const double h = 1e-5;
    for (double s = 0.1; s < 1.0; s += 0.2) {
        const Point2 on{p.x + s * (q.x - p.x), p.y + s * (q.y - p.y)};
        const double value = left.at(on);
        EXPECT_NEAR(value, right.at(on), 1e-10) << s;
        const double leftSlope = (left.at({on.x + h * normal.x, on.y + h * normal.y}) - value) / h;
        const double rightSlope =
            (value - right.at({on.x - h * normal.x, on.y - h * normal.y})) / h;
        EXPECT_NEAR(leftSlope, rightSlope, 1e-3) << s;
    }
}

// A triangle and its three neighbours, with arbitrary data at the corners and the shared sides
// in every position of the corner order: the quintics must join smoothly across each side.
TEST(AkimaPatches, NeighbouringTrianglesJoinSmoothly) {
    std::mt19937 random(3);
    std::uniform_real_distribution<double> any(-2.0, 2.0);
    const auto data = [&](Point2 p) {
        return SurfacePoint{
            p, any(random), {any(random), any(random), any(random), any(random), any(random)}};
    };
    const SurfacePoint a = data({0.0, 0.0}), b = data({3.0, 0.5}), c = data({0.8, 2.7});
    const SurfacePoint e = data({1.9, -2.2}), f = data({3.5, 3.1}), g = data({-1.8, 1.6});
    const Patch middle = trianglePatch(a, b, c);
    expectSmoothJoin(middle, trianglePatch(a, e, b), a.at, b.at);
    expectSmoothJoin(middle, trianglePatch(b, f, c), b.at, c.at);
    expectSmoothJoin(middle, trianglePatch(g, a, c), c.at, a.at);
}

TEST(AkimaPatches, ExtrapolationJoinsTheBorderTriangle) {
    const Cubic cubic;
    std::mt19937 random(5);
    std::uniform_real_distribution<double> noise(-0.5, 0.5);
    const auto perturbed = [&](Point2 p) {
        SurfacePoint s = cubic.at(p);
        s.d.zxx += noise(random);
        s.d.zxy += noise(random);
        return s;
    };
    const Point2 a{0.0, 0.0}, b{3.0, 0.5}, c{0.8, 2.7};
    const SurfacePoint da = perturbed(a), db = perturbed(b), dc = perturbed(c);
    const LocalFrame inside = triangleFrame(a, b, c);
    const LocalPolynomial triangle = trianglePolynomial(da, db, dc);
    const LocalFrame beyond = stripFrame(a, b);
    const LocalPolynomial strip = stripPolynomial(da, db);
    for (double s = 0.0; s <= 1.0; s += 0.25) {
        const Point2 q{a.x + s * (b.x - a.x), a.y + s * (b.y - a.y)};
        EXPECT_NEAR(valueAt(inside, triangle, q), valueAt(beyond, strip, q), 1e-12);
    }
    const LocalPolynomial corner = vertexPolynomial(db);
    const LocalFrame cornerFrame = vertexFrame(b);
    // Along the perpendicular through b both extrapolations agree.
    for (double v = 0.0; v <= 2.0; v += 0.5) {
        const Point2 q{b.x + v * 0.5, b.y - v * 3.0};
        EXPECT_NEAR(valueAt(beyond, strip, q), valueAt(cornerFrame, corner, q), 1e-10);
    }
}

}  // namespace
}  // namespace rvxmod::akima
