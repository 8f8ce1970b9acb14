#include "rvxmod/calibration/coef_fit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "rvxmod/calibration/fit_residuals.h"

namespace rvxmod {
namespace {

const std::string kFixtures = RVX_FIXTURES_DIR "/calibration/";

// Pressure of degree 3 in X and 2 in Y, temperature of degree 1 in X and 2 in Y.
double pressureModel(double x, double y) {
    const double s = (x - 110000.0) / 10000.0;
    const double r = (y - 51000.0) / 1000.0;
    return 5000.0 + 1200.0 * s - 35.0 * s * s + 4.0 * s * s * s + 80.0 * r - 3.0 * r * r +
           7.0 * s * r - 0.5 * s * s * r;
}

double temperatureModel(double x, double y) {
    const double s = (x - 110000.0) / 10000.0;
    const double r = (y - 51000.0) / 1000.0;
    return 90.0 + 30.0 * r + 0.8 * r * r - 0.2 * s + 0.05 * s * r;
}

DatFile modelFile(std::size_t columns, std::size_t rows) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> jitter(-300.0, 300.0);
    DatFile file;
    for (std::size_t i = 0; i < columns; ++i)
        for (std::size_t j = 0; j < rows; ++j) {
            const double x = 100000.0 + 20000.0 * i / (columns - 1) + jitter(random);
            const double y = 50000.0 + 2000.0 * j / (rows - 1) + jitter(random) / 10.0;
            file.points.push_back({pressureModel(x, y), temperatureModel(x, y), x, y});
        }
    return file;
}

TEST(CoefFit, ReproducesAPolynomialWithinTheFitOrders) {
    const DatFile file = modelFile(7, 6);
    const auto pressure = MakeCoefFile(file, false);
    const auto temperature = MakeCoefFile(file, true);
    ASSERT_TRUE(pressure.ok()) << pressure.error().message;
    ASSERT_TRUE(temperature.ok()) << temperature.error().message;
    EXPECT_EQ(pressure->orderX, 4);
    EXPECT_EQ(pressure->orderY, 4);
    std::mt19937 random(11);
    std::uniform_real_distribution<double> x(100000.0, 120000.0);
    std::uniform_real_distribution<double> y(50000.0, 52000.0);
    for (int i = 0; i < 200; ++i) {
        const double px = x(random);
        const double py = y(random);
        EXPECT_NEAR(CalculateCof(*pressure, px, py), pressureModel(px, py), 1e-6);
        EXPECT_NEAR(CalculateCof(*temperature, px, py), temperatureModel(px, py), 1e-8);
    }
    EXPECT_LT(largestResidual(*pressure, file, false), 1e-6);
    EXPECT_FALSE(pressureFitIsPoor(*pressure, file));
}

TEST(CoefFit, OrdersZeroAndZeroAlwaysGiveZero) {
    DatFile file = modelFile(4, 4);
    file.orders = {0, 0, 0, 0};
    const auto table = MakeCoefFile(file, false);
    ASSERT_TRUE(table.ok());
    for (const CalPoint& point : file.points)
        EXPECT_EQ(CalculateCof(*table, point.X, point.Y), 0.0);
}

TEST(CoefFit, OffsetsAreTheFirstPointsCountsTruncatedTowardZero) {
    DatFile file = modelFile(6, 6);
    const CalPoint first = file.points.front();
    for (CalPoint& point : file.points) {  // moved so the first point sits at (1002646.75, -3.5)
        point.X += 1002646.75 - first.X;
        point.Y += -3.5 - first.Y;
    }
    const auto table = MakeCoefFile(file, false);
    ASSERT_TRUE(table.ok());
    EXPECT_EQ(table->xOffset, 1002646);
    EXPECT_EQ(table->yOffset, -3);
}

TEST(CoefFit, RefusesFilesItCannotFit) {
    struct Case {
        const char* what;
        DatFile file;
    };
    DatFile tooFew = modelFile(3, 3);  // 9 points for 25 terms
    DatFile tooMany = modelFile(20, 16);
    DatFile tooManyTerms = modelFile(7, 6);
    tooManyTerms.orders.pressureX = 21;
    tooManyTerms.orders.pressureY = 20;
    DatFile negative = modelFile(7, 6);
    negative.orders.pressureY = -1;
    const Case cases[] = {{"singular", tooFew},
                          {"301+ points", tooMany},
                          {"462 terms", tooManyTerms},
                          {"negative order", negative},
                          {"no points", DatFile{}}};
    for (const Case& c : cases) {
        const auto table = MakeCoefFile(c.file, false);
        EXPECT_FALSE(table.ok()) << c.what;
    }
}

TEST(CoefFit, FlagsAFitThatMissesTheCalibrationPoints) {
    auto file = readDatFile(kFixtures + "gauge_6x5.dat");
    ASSERT_TRUE(file.ok());
    const auto good = MakeCoefFile(*file, false);
    ASSERT_TRUE(good.ok());
    EXPECT_FALSE(pressureFitIsPoor(*good, *file));
    file.value().orders.pressureX = 1;
    file.value().orders.pressureY = 0;
    const auto straight = MakeCoefFile(*file, false);
    ASSERT_TRUE(straight.ok());
    EXPECT_TRUE(pressureFitIsPoor(*straight, *file));
}

}  // namespace
}  // namespace rvxmod
