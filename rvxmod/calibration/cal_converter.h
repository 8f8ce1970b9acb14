#pragma once

#include <filesystem>

#include "common/result.h"
#include "common/user_port.h"
#include "rvxmod/model/tool_string.h"

namespace rvxmod {

enum class CalculationMethod { Coefficients = 0, WaveCal = 1 };

// Gives a calibrated tool the converter of its file: a TTempCal for an RTD; for a pressure tool
// a TWaveCal or the two coefficient tables, by the calculation method. Other tools get nothing.
// A coefficient fit that misses its own calibration points by more than a small share of the
// pressure span is attached all the same, with a warning to the person.
rvx::Status attachConverter(ToolObj& tool, const std::filesystem::path& file,
                            CalculationMethod method, rvx::UserPort& port);

}  // namespace rvxmod
