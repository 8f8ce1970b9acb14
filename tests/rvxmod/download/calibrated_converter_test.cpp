#include "rvxmod/download/calibrated_converter.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "rvxmod/calibration/coef_obj.h"
#include "rvxmod/calibration/temp_cal.h"
#include "rvxmod/calibration/wave_cal.h"
#include "rvxmod/model/tool_types.h"

namespace rvxmod {
namespace {

// A first-order table in unscaled counts: value = c0 + c1 Y + c2 X + c3 X Y.
std::shared_ptr<const CoefObj> planeTable(double perX, double perY) {
    CoefObj table;
    table.orderX = 1;
    table.orderY = 1;
    table.xScale = 1.0;
    table.yScale = 1.0;
    table.coefficients[1] = perY;
    table.coefficients[2] = perX;
    return std::make_shared<const CoefObj>(table);
}

TEST(CalibratedConverter, CoefficientTablesTakeRawPressureAsXAndRawTemperatureAsY) {
    ToolObj piezo = makeJobTool(kPiezo, 1);
    const CalibratedConverter coefficients(CalculationMethod::Coefficients);
    EXPECT_FALSE(coefficients.pressureTemperature(piezo, 1, 2));

    piezo.PressureCoef = planeTable(0.01, 0.0);      // psi = X / 100
    piezo.TemperatureCoef = planeTable(0.0, 0.001);  // degrees C = Y / 1000
    const auto reading = coefficients.pressureTemperature(piezo, 100000, 25000);
    ASSERT_TRUE(reading);
    EXPECT_DOUBLE_EQ(reading->psiAbsolute, 1000.0);
    EXPECT_DOUBLE_EQ(reading->celsius, 25.0);
    // The tables are not what the WaveCal method uses.
    EXPECT_FALSE(CalibratedConverter(CalculationMethod::WaveCal).pressureTemperature(piezo, 1, 2));
}

TEST(CalibratedConverter, WaveCalReturnsTheCalibrationPointsItWasBuiltFrom) {
    std::vector<CalPoint> points;
    for (const double X : {1000.0, 5000.0, 9000.0})
        for (const double Y : {2000.0, 6000.0, 9500.0})
            points.push_back({X / 10 + Y / 100, Y / 200, X, Y});
    auto wave = TWaveCal::fromPoints(points, "plane.dat");
    ASSERT_TRUE(wave) << wave.error().message;
    ToolObj gauge = makeJobTool(kRarodIdirura, 2);
    gauge.PressureCal = std::make_shared<const TWaveCal>(std::move(wave).value());

    const auto reading =
        CalibratedConverter(CalculationMethod::WaveCal).pressureTemperature(gauge, 5000, 6000);
    ASSERT_TRUE(reading);
    EXPECT_NEAR(reading->psiAbsolute, 560.0, 1e-6);
    EXPECT_NEAR(reading->celsius, 30.0, 1e-6);
}

TEST(CalibratedConverter, RtdCountsGoThroughTheToolsTemperatureTable) {
    ToolObj rtd = makeJobTool(kRTD, 3);
    const CalibratedConverter converter(CalculationMethod::Coefficients);
    EXPECT_FALSE(converter.rtdCelsius(rtd, 1500));

    auto table = std::make_shared<TTempCal>();
    table->setTable(TdatFile{"", {{0.0, 1000.0}, {100.0, 2000.0}}});
    rtd.TemperatureCal = table;
    const auto celsius = converter.rtdCelsius(rtd, 1500);
    ASSERT_TRUE(celsius);
    EXPECT_DOUBLE_EQ(*celsius, 50.0);
}

}  // namespace
}  // namespace rvxmod
