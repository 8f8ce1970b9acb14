#include "rvxmod/calibration/akima_patches.h"

namespace rvxmod::akima {
namespace {

// The columns of the map from (u, v) to the plane: x = x0 + a u + b v, y = y0 + c u + d v.
struct Basis {
    double a = 0.0;
    double b = 0.0;
    double c = 0.0;
    double d = 0.0;
};

// Value and derivatives in the local coordinates.
struct LocalData {
    double z, zu, zv, zuu, zuv, zvv;
};

LocalData toLocal(const SurfacePoint& p, const Basis& m) {
    const Derivatives& d = p.d;
    return {p.z,
            m.a * d.zx + m.c * d.zy,
            m.b * d.zx + m.d * d.zy,
            m.a * m.a * d.zxx + 2.0 * m.a * m.c * d.zxy + m.c * m.c * d.zyy,
            m.a * m.b * d.zxx + (m.a * m.d + m.b * m.c) * d.zxy + m.c * m.d * d.zyy,
            m.b * m.b * d.zxx + 2.0 * m.b * m.d * d.zxy + m.d * m.d * d.zyy};
}

LocalFrame frameOf(Point2 origin, const Basis& m) {
    const double det = m.a * m.d - m.b * m.c;
    return {origin.x, origin.y, m.d / det, -m.b / det, -m.c / det, m.a / det};
}

Basis triangleBasis(Point2 p1, Point2 p2, Point2 p3) {
    return {p2.x - p1.x, p3.x - p1.x, p2.y - p1.y, p3.y - p1.y};
}

Basis stripBasis(Point2 from, Point2 to) {
    const double a = to.x - from.x;
    const double c = to.y - from.y;
    return {a, -c, c, a};
}

struct Quintic {
    double a3, a4, a5;
};

// Degree 3..5 coefficients of the quintic on [0, 1] that starts with a0 + a1 t + a2 t^2 and ends
// with value e0, slope e1 and second derivative e2.
Quintic quinticTail(double a0, double a1, double a2, double e0, double e1, double e2) {
    const double h1 = e0 - a0 - a1 - a2;
    const double h2 = e1 - a1 - 2.0 * a2;
    const double h3 = e2 - 2.0 * a2;
    return {10.0 * h1 - 4.0 * h2 + 0.5 * h3, -15.0 * h1 + 7.0 * h2 - h3,
            6.0 * h1 - 3.0 * h2 + 0.5 * h3};
}

struct Middle {
    double b2, b3;
};

// Degree 2 and 3 coefficients of b0 + b1 t + b2 t^2 + b3 t^3 + b4 t^4 ending with value e0 and
// slope e1.
Middle cubicMiddle(double b0, double b1, double b4, double e0, double e1) {
    const double h1 = e0 - b0 - b1 - b4;
    const double h2 = e1 - b1 - 4.0 * b4;
    return {3.0 * h1 - h2, -2.0 * h1 + h2};
}

// Terms of degree two or less at the origin of the local coordinates.
void setTaylorStart(LocalPolynomial& p, const LocalData& o) {
    p.c[0][0] = o.z;
    p.c[1][0] = o.zu;
    p.c[0][1] = o.zv;
    p.c[2][0] = 0.5 * o.zuu;
    p.c[1][1] = o.zuv;
    p.c[0][2] = 0.5 * o.zvv;
}

}  // namespace

LocalFrame triangleFrame(Point2 p1, Point2 p2, Point2 p3) {
    return frameOf(p1, triangleBasis(p1, p2, p3));
}

LocalPolynomial trianglePolynomial(const SurfacePoint& p1, const SurfacePoint& p2,
                                   const SurfacePoint& p3) {
    const Basis m = triangleBasis(p1.at, p2.at, p3.at);
    const LocalData d1 = toLocal(p1, m);
    const LocalData d2 = toLocal(p2, m);
    const LocalData d3 = toLocal(p3, m);
    LocalPolynomial p;
    auto& c = p.c;
    setTaylorStart(p, d1);
    const Quintic alongU = quinticTail(c[0][0], c[1][0], c[2][0], d2.z, d2.zu, d2.zuu);
    c[3][0] = alongU.a3;
    c[4][0] = alongU.a4;
    c[5][0] = alongU.a5;
    const Quintic alongV = quinticTail(c[0][0], c[0][1], c[0][2], d3.z, d3.zv, d3.zvv);
    c[0][3] = alongV.a3;
    c[0][4] = alongV.a4;
    c[0][5] = alongV.a5;

    // Normal derivatives along the sides p1-p2 and p1-p3 lose their quartic term.
    const double uu = m.a * m.a + m.c * m.c;
    const double vv = m.b * m.b + m.d * m.d;
    const double uv = m.a * m.b + m.c * m.d;
    c[4][1] = 5.0 * uv / uu * c[5][0];
    c[1][4] = 5.0 * uv / vv * c[0][5];
    const Middle vAlongU = cubicMiddle(c[0][1], c[1][1], c[4][1], d2.zv, d2.zuv);
    c[2][1] = vAlongU.b2;
    c[3][1] = vAlongU.b3;
    const Middle uAlongV = cubicMiddle(c[1][0], c[1][1], c[1][4], d3.zu, d3.zuv);
    c[1][2] = uAlongV.b2;
    c[1][3] = uAlongV.b3;

    // Second derivatives at p2 and p3 fix c32 + c22 and c23 + c22; the side p2-p3 fixes c22:
    // along u = 1 - s, v = s the derivative in the direction n = alpha * e_u + beta * e_v, normal
    // to that side, must have no s^4 term.
    const double h2 = 0.5 * d2.zvv - c[0][2] - c[1][2];
    const double h3 = 0.5 * d3.zuu - c[2][0] - c[2][1];
    const double ex = m.b - m.a;
    const double ey = m.d - m.c;
    const double alpha = m.b * ex + m.d * ey;
    const double beta = -(m.a * ex + m.c * ey);
    const double k1 = 5.0 * c[5][0] - 4.0 * c[4][1] + 3.0 * h2 - 2.0 * h3 + c[1][4];
    const double k2 = c[4][1] - 2.0 * h2 + 3.0 * h3 - 4.0 * c[1][4] + 5.0 * c[0][5];
    c[2][2] = (alpha * k1 + beta * k2) / (alpha + beta);
    c[3][2] = h2 - c[2][2];
    c[2][3] = h3 - c[2][2];
    return p;
}

LocalFrame stripFrame(Point2 from, Point2 to) {
    return frameOf(from, stripBasis(from, to));
}

LocalPolynomial stripPolynomial(const SurfacePoint& from, const SurfacePoint& to) {
    const Basis m = stripBasis(from.at, to.at);
    const LocalData d1 = toLocal(from, m);
    const LocalData d2 = toLocal(to, m);
    LocalPolynomial p;
    auto& c = p.c;
    setTaylorStart(p, d1);
    const Quintic along = quinticTail(c[0][0], c[1][0], c[2][0], d2.z, d2.zu, d2.zuu);
    c[3][0] = along.a3;
    c[4][0] = along.a4;
    c[5][0] = along.a5;
    const Middle across = cubicMiddle(c[0][1], c[1][1], 0.0, d2.zv, d2.zuv);
    c[2][1] = across.b2;
    c[3][1] = across.b3;
    c[1][2] = 0.5 * d2.zvv - c[0][2];
    return p;
}

LocalFrame vertexFrame(Point2 vertex) {
    return {vertex.x, vertex.y, 1.0, 0.0, 0.0, 1.0};
}

LocalPolynomial vertexPolynomial(const SurfacePoint& vertex) {
    LocalPolynomial p;
    setTaylorStart(p, toLocal(vertex, {1.0, 0.0, 0.0, 1.0}));
    return p;
}

}  // namespace rvxmod::akima
