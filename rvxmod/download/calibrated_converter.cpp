#include "rvxmod/download/calibrated_converter.h"

#include "rvxmod/calibration/coef_fit.h"
#include "rvxmod/calibration/temp_cal.h"
#include "rvxmod/calibration/wave_cal.h"

namespace rvxmod {

std::optional<GaugeReading> CalibratedConverter::pressureTemperature(const ToolObj& tool,
                                                                     std::int32_t raw1,
                                                                     std::int32_t raw2) const {
    // X is always the raw pressure value, Y the raw temperature value.
    const double X = raw1;
    const double Y = raw2;
    if (method_ == CalculationMethod::WaveCal) {
        if (!tool.PressureCal) return std::nullopt;
        const PressureTemperature converted = tool.PressureCal->Convert(X, Y);
        return GaugeReading{converted.P, converted.T};
    }
    if (!tool.PressureCoef || !tool.TemperatureCoef) return std::nullopt;
    return GaugeReading{CalculateCof(*tool.PressureCoef, X, Y),
                        CalculateCof(*tool.TemperatureCoef, X, Y)};
}

std::optional<double> CalibratedConverter::rtdCelsius(const ToolObj& tool,
                                                      std::int32_t count) const {
    if (!tool.TemperatureCal) return std::nullopt;
    return tool.TemperatureCal->Convert(count);
}

}  // namespace rvxmod
