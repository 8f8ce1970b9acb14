#include "rvxmod/calibration/fit_residuals.h"

#include <algorithm>
#include <cmath>

#include "rvxmod/calibration/coef_fit.h"

namespace rvxmod {

double largestResidual(const CoefObj& table, const DatFile& file, bool forTemperature) {
    double largest = 0.0;
    for (const CalPoint& point : file.points) {
        const double expected = forTemperature ? point.T : point.P;
        largest = std::max(largest, std::abs(CalculateCof(table, point.X, point.Y) - expected));
    }
    return largest;
}

PressureTemperature largestResiduals(const TWaveCal& cal, const DatFile& file) {
    PressureTemperature largest;
    for (const CalPoint& point : file.points) {
        const PressureTemperature converted = cal.Convert(point.X, point.Y);
        largest.P = std::max(largest.P, std::abs(converted.P - point.P));
        largest.T = std::max(largest.T, std::abs(converted.T - point.T));
    }
    return largest;
}

bool pressureFitIsPoor(const CoefObj& pressureTable, const DatFile& file) {
    constexpr double kTolerableShareOfSpan = 0.0005;
    if (file.points.empty()) return false;
    const auto [low, high] = std::ranges::minmax(file.points, {}, &CalPoint::P);
    const double span = high.P - low.P;
    return largestResidual(pressureTable, file, false) > kTolerableShareOfSpan * span;
}

}  // namespace rvxmod
