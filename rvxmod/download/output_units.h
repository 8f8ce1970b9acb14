#pragma once

#include <string>

#include "rvxmod/download/rvx_output_options.h"

namespace rvxmod {

// Unit texts of the units line, in the interface language.
std::string pressureUnitText(const RvxOutputOptions& options);
std::string temperatureUnitText(const RvxOutputOptions& options);
std::string spinnerUnitText(const RvxOutputOptions& options);

// Values as written: pressures are computed in psi absolute, temperatures in degrees Celsius,
// spinner values in revolutions per second.
double outputPressure(double psiAbsolute, const RvxOutputOptions& options);
double outputTemperature(double celsius, const RvxOutputOptions& options);
double outputRevolutions(double revsPerSecond, const RvxOutputOptions& options);

}  // namespace rvxmod
