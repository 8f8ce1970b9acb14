#pragma once

#include "common/result.h"
#include "rvxmod/calibration/cal_file.h"
#include "rvxmod/calibration/coef_obj.h"

namespace rvxmod {

// Least-squares fit of pressure (forTemperature false) or temperature over the raw counts, with the
// orders of the file's order line. Refuses more than 300 points, more than 441 terms, negative
// orders, counts beyond 32 bits and normal equations too degenerate to solve.
rvx::Result<CoefObj> MakeCoefFile(const DatFile& file, bool forTemperature);

// Evaluates the fitted polynomial at the raw counts (psi absolute or degrees C).
double CalculateCof(const CoefObj& table, double X, double Y);

}  // namespace rvxmod
