#pragma once

#include "rvxmod/calibration/cal_converter.h"
#include "rvxmod/download/sample_converter.h"

namespace rvxmod {

// Converts with the calibrations attached to each tool when the download began: the pressure
// tools' TWaveCal or coefficient tables (by the calculation method), the RTDs' TTempCal.
class CalibratedConverter final : public SampleConverter {
public:
    explicit CalibratedConverter(CalculationMethod method) : method_(method) {}

    std::optional<GaugeReading> pressureTemperature(const ToolObj& tool, std::int32_t raw1,
                                                    std::int32_t raw2) const override;
    std::optional<double> rtdCelsius(const ToolObj& tool, std::int32_t count) const override;

private:
    CalculationMethod method_;
};

}  // namespace rvxmod
