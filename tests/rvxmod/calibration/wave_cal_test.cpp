#include "rvxmod/calibration/wave_cal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>

#include "rvxmod/calibration/fit_residuals.h"

namespace rvxmod {
namespace {

const std::string kFixtures = RVX_FIXTURES_DIR "/calibration/";

using Surface = std::function<double(double, double)>;

// Scattered counts in a pressure-gauge-like range with P and T from the given surfaces.
std::vector<CalPoint> scatteredPoints(std::size_t count, const Surface& p, const Surface& t) {
    std::mt19937 random(17);
    std::uniform_real_distribution<double> x(1.0e6, 3.0e6);
    std::uniform_real_distribution<double> y(5.0e5, 9.0e5);
    std::vector<CalPoint> points;
    for (std::size_t i = 0; i < count; ++i) {
        const double px = x(random);
        const double py = y(random);
        points.push_back({p(px, py), t(px, py), px, py});
    }
    return points;
}

double plane(double x, double y) {
    return 14.7 + 0.005 * (x - 1.0e6) - 0.0003 * (y - 5.0e5);
}
double quadratic(double x, double y) {
    const double s = (x - 2.0e6) / 1.0e6;
    const double r = (y - 7.0e5) / 2.0e5;
    return 60.0 + 40.0 * r + 8.0 * s + 5.0 * r * r - 3.0 * s * r + 2.0 * s * s;
}

TEST(TWaveCal, CalibrationPointsConvertToTheirOwnValues) {
    const auto file = readDatFile(kFixtures + "gauge_6x5.dat");
    ASSERT_TRUE(file.ok());
    const auto cal = TWaveCal::load(kFixtures + "gauge_6x5.dat");
    ASSERT_TRUE(cal.ok()) << cal.error().message;
    EXPECT_EQ(cal->DatFileName(), kFixtures + "gauge_6x5.dat");
    const PressureTemperature residuals = largestResiduals(*cal, *file);
    EXPECT_LT(residuals.P, 1e-9);
    EXPECT_LT(residuals.T, 1e-11);
}

TEST(TWaveCal, ReproducesAPlaneEverywhere) {
    const auto points = scatteredPoints(100, plane, plane);
    const auto cal = TWaveCal::fromPoints(points, "scattered.dat");
    ASSERT_TRUE(cal.ok()) << cal.error().message;
    std::mt19937 random(23);
    std::uniform_real_distribution<double> anyX(-1.0e6, 5.0e6);
    std::uniform_real_distribution<double> anyY(0.0, 1.4e6);
    for (int i = 0; i < 500; ++i) {
        const double x = anyX(random);
        const double y = anyY(random);
        EXPECT_NEAR(cal->Convert(x, y).P, plane(x, y), 1e-6);
    }
}

// Root-mean-square error over the middle of the calibrated area.
double rmsErrorInside(const TWaveCal& cal, const Surface& surface) {
    std::mt19937 random(29);
    std::uniform_real_distribution<double> x(1.3e6, 2.7e6);
    std::uniform_real_distribution<double> y(5.5e5, 8.5e5);
    constexpr int kSamples = 1000;
    double sum = 0.0;
    for (int i = 0; i < kSamples; ++i) {
        const double px = x(random);
        const double py = y(random);
        const double error = cal.Convert(px, py).T - surface(px, py);
        sum += error * error;
    }
    return std::sqrt(sum / kSamples);
}

TEST(TWaveCal, ApproximatesAQuadraticCloselyAndBetterWithMorePoints) {
    const auto sparse = TWaveCal::fromPoints(scatteredPoints(100, plane, quadratic), "100.dat");
    const auto dense = TWaveCal::fromPoints(scatteredPoints(1000, plane, quadratic), "1000.dat");
    ASSERT_TRUE(sparse.ok() && dense.ok());
    const double sparseError = rmsErrorInside(*sparse, quadratic);
    const double denseError = rmsErrorInside(*dense, quadratic);
    EXPECT_LT(sparseError, 0.5);  // the surface spans about 90
    EXPECT_LT(denseError, sparseError / 4.0);
}

TEST(TWaveCal, RawCountColumnsAreNotInterchangeable) {
    const auto file = readDatFile(kFixtures + "gauge_6x5.dat");
    ASSERT_TRUE(file.ok());
    std::vector<CalPoint> swapped = file->points;
    for (CalPoint& point : swapped) std::swap(point.X, point.Y);
    const auto normal = TWaveCal::fromPoints(file->points, "normal.dat");
    const auto mirrored = TWaveCal::fromPoints(swapped, "swapped.dat");
    ASSERT_TRUE(normal.ok() && mirrored.ok());
    EXPECT_GT(std::abs(normal->Convert(2.0e6, 7.0e5).P - mirrored->Convert(2.0e6, 7.0e5).P), 1.0);
}

TEST(TWaveCal, RefusesFilesWithoutATwoDimensionalSpread) {
    const std::pair<const char*, const char*> cases[] = {
        {"too_few_points.dat", "fewer than 9 calibration points"},
        {"coincident_points.dat", "two calibration points have the same counts"},
        {"collinear_points.dat", "all calibration points lie on one line"},
        {"short_line.dat", "line 10"},
        {"missing.dat", "missing.dat"}};
    for (const auto& [name, reason] : cases) {
        const auto cal = TWaveCal::load(kFixtures + name);
        ASSERT_FALSE(cal.ok()) << name;
        EXPECT_NE(cal.error().message.find(reason), std::string::npos) << cal.error().message;
        EXPECT_NE(cal.error().message.find(name), std::string::npos) << cal.error().message;
    }
}

}  // namespace
}  // namespace rvxmod
