#pragma once

#include "rvxmod/download/sample_converter.h"

namespace rvxmod::testing {

// A calibration simple enough to work out by hand: psi = raw1 / 100, degrees C = raw2 / 1000,
// RTD degrees C = count / 100. Tools with serial number 0 have no calibration.
class LinearConverter final : public SampleConverter {
public:
    std::optional<GaugeReading> pressureTemperature(const ToolObj& tool, std::int32_t raw1,
                                                    std::int32_t raw2) const override {
        if (tool.SerialNumber == 0) return std::nullopt;
        return GaugeReading{raw1 / 100.0, raw2 / 1000.0};
    }
    std::optional<double> rtdCelsius(const ToolObj& tool, std::int32_t count) const override {
        if (tool.SerialNumber == 0) return std::nullopt;
        return count / 100.0;
    }
};

}  // namespace rvxmod::testing
