#pragma once

#include <cstdint>
#include <optional>

#include "rvxmod/model/tool_string.h"

namespace rvxmod {

struct GaugeReading {
    double psiAbsolute = 0.0;
    double celsius = 0.0;
};

// Turns a tool's raw counts into engineering values with the calibration loaded for that tool.
// No value when the tool has no usable calibration; the file then shows the null value.
class SampleConverter {
public:
    virtual ~SampleConverter() = default;

    // raw1: the raw pressure value, raw2: the raw temperature value of one sample.
    virtual std::optional<GaugeReading> pressureTemperature(const ToolObj& tool, std::int32_t raw1,
                                                            std::int32_t raw2) const = 0;
    virtual std::optional<double> rtdCelsius(const ToolObj& tool, std::int32_t count) const = 0;
};

}  // namespace rvxmod
