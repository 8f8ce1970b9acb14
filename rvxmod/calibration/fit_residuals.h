#pragma once

#include "rvxmod/calibration/cal_file.h"
#include "rvxmod/calibration/coef_obj.h"
#include "rvxmod/calibration/wave_cal.h"

namespace rvxmod {

// Largest absolute difference between a converter and the calibration points it was built from.
double largestResidual(const CoefObj& table, const DatFile& file, bool forTemperature);
PressureTemperature largestResiduals(const TWaveCal& cal, const DatFile& file);

// True when the pressure fit misses a calibration point by more than 0.05 % of the file's
// pressure span: the coefficient method does not suit the file.
bool pressureFitIsPoor(const CoefObj& pressureTable, const DatFile& file);

}  // namespace rvxmod
