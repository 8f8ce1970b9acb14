#include "rvxmod/calibration/coef_fit.h"

#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "common/text_catalogue.h"

namespace rvxmod {
namespace {

constexpr const char* kContext = "rvxmod::CoefFit";
constexpr std::size_t kMaxPoints = 300;

using Extended = long double;

struct Orders {
    int y = 0;
    int x = 0;
};

// The symmetric normal equations A c = b of the fit, held in extended precision.
struct NormalEquations {
    explicit NormalEquations(std::size_t terms) : size(terms), a(terms * terms), b(terms) {}
    std::size_t size;
    std::vector<Extended> a;  // row-major
    std::vector<Extended> b;
    Extended& at(std::size_t row, std::size_t column) { return a[row * size + column]; }
};

bool fitsInt32(double value) {
    return value > static_cast<double>(std::numeric_limits<std::int32_t>::min()) - 1.0 &&
           value < static_cast<double>(std::numeric_limits<std::int32_t>::max()) + 1.0;
}

// Row of one point: r[i * (oY + 1) + j] = u^i * v^j.
void fillRow(std::vector<Extended>& row, Orders orders, Extended u, Extended v) {
    const std::size_t stride = static_cast<std::size_t>(orders.y) + 1;
    row[0] = 1;
    for (std::size_t j = 1; j < stride; ++j) row[j] = row[j - 1] * v;
    for (std::size_t m = stride; m < row.size(); ++m) row[m] = row[m - stride] * u;
}

NormalEquations buildNormalEquations(const DatFile& file, const CoefObj& table, Orders orders,
                                     bool forTemperature) {
    const std::size_t terms = static_cast<std::size_t>(orders.x + 1) * (orders.y + 1);
    NormalEquations equations(terms);
    std::vector<Extended> row(terms);
    for (const CalPoint& point : file.points) {
        const Extended u = (Extended{point.X} - table.xOffset) * Extended{table.xScale};
        const Extended v = (Extended{point.Y} - table.yOffset) * Extended{table.yScale};
        fillRow(row, orders, u, v);
        const Extended z = forTemperature ? point.T : point.P;
        for (std::size_t m = 0; m < terms; ++m) {
            equations.b[m] += row[m] * z;
            for (std::size_t l = 0; l <= m; ++l) equations.at(m, l) += row[m] * row[l];
        }
    }
    for (std::size_t m = 0; m < terms; ++m)
        for (std::size_t l = 0; l < m; ++l) equations.at(l, m) = equations.at(m, l);
    return equations;
}

// Square-root-free Cholesky (L D L^T) solution. A pivot that has lost all but rounding noise
// relative to its diagonal means the points cannot determine the polynomial: no answer then.
std::optional<std::vector<Extended>> solveLdlt(NormalEquations& eq) {
    const std::size_t n = eq.size;
    const Extended noise = static_cast<Extended>(n) * std::numeric_limits<Extended>::epsilon();
    std::vector<Extended> d(n);
    std::vector<Extended> lower(n * n);
    const auto L = [&](std::size_t row, std::size_t column) -> Extended& {
        return lower[row * n + column];
    };
    for (std::size_t m = 0; m < n; ++m) {
        Extended pivot = eq.at(m, m);
        for (std::size_t j = 0; j < m; ++j) pivot -= d[j] * L(m, j) * L(m, j);
        if (!(pivot > noise * eq.at(m, m))) return std::nullopt;
        d[m] = pivot;
        for (std::size_t l = m + 1; l < n; ++l) {
            Extended sum = eq.at(l, m);
            for (std::size_t j = 0; j < m; ++j) sum -= d[j] * L(m, j) * L(l, j);
            L(l, m) = sum / pivot;
        }
    }
    std::vector<Extended> y = eq.b;
    for (std::size_t m = 0; m < n; ++m)
        for (std::size_t j = 0; j < m; ++j) y[m] -= L(m, j) * y[j];
    for (std::size_t m = 0; m < n; ++m) y[m] /= d[m];
    for (std::size_t m = n; m-- > 0;)
        for (std::size_t j = m + 1; j < n; ++j) y[m] -= L(j, m) * y[j];
    return y;
}

rvx::Error fitError(const char* what) {
    return rvx::fail(rvx::trText(kContext, what));
}

}  // namespace

rvx::Result<CoefObj> MakeCoefFile(const DatFile& file, bool forTemperature) {
    const Orders orders = forTemperature
                              ? Orders{file.orders.temperatureY, file.orders.temperatureX}
                              : Orders{file.orders.pressureY, file.orders.pressureX};
    if (orders.x < 0 || orders.y < 0) return fitError("a polynomial order is negative");
    if ((orders.x + 1L) * (orders.y + 1L) > CoefObj::kMaxTerms)
        return fitError("the polynomial orders need more than 441 coefficients");
    if (file.points.size() > kMaxPoints) return fitError("more than 300 calibration points");
    if (file.points.empty()) return fitError("no calibration points");
    const CalPoint& first = file.points.front();
    if (!fitsInt32(first.X) || !fitsInt32(first.Y))
        return fitError("the counts of the first point exceed 32 bits");

    CoefObj table;
    table.orderY = orders.y;
    table.orderX = orders.x;
    table.xOffset = static_cast<std::int32_t>(std::trunc(first.X));
    table.yOffset = static_cast<std::int32_t>(std::trunc(first.Y));
    const std::size_t terms = static_cast<std::size_t>(orders.x + 1) * (orders.y + 1);
    if (terms <= 1) return table;  // no fit: the single coefficient stays 0

    NormalEquations equations = buildNormalEquations(file, table, orders, forTemperature);
    const auto solution = solveLdlt(equations);
    if (!solution) return fitError("the calibration points cannot determine the polynomial");
    for (std::size_t m = 0; m < terms; ++m) {
        table.coefficients[m] = static_cast<double>((*solution)[m]);
        if (!std::isfinite(table.coefficients[m]))
            return fitError("the calibration points cannot determine the polynomial");
    }
    return table;
}

double CalculateCof(const CoefObj& table, double X, double Y) {
    const Extended u = (Extended{X} - table.xOffset) * Extended{table.xScale};
    const Extended v = (Extended{Y} - table.yOffset) * Extended{table.yScale};
    const int stride = table.orderY + 1;
    Extended sum = 0;
    for (int i = table.orderX; i >= 0; --i) {
        Extended inner = 0;
        for (int j = table.orderY; j >= 0; --j)
            inner = inner * v + table.coefficients[i * stride + j];
        sum = sum * u + inner;
    }
    return static_cast<double>(sum * Extended{table.outputScale} + Extended{table.outputOffset});
}

}  // namespace rvxmod
