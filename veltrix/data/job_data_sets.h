#pragma once

#include "veltrix/data/column.h"
#include "veltrix/data/data_set.h"

namespace veltrix {

// The job's data sets by series name. `Speed` and `Speed_b` have one point per `Depth` point in
// the same order (index i is one depth-file line); so have `Tension` and `Tension_b` when the
// depth file carries tension.
struct JobDataSets {
    DataSet Depth;        // date-time, depth
    DataSet Speed_b;      // date-time, line speed
    DataSet Tension_b;    // date-time, line tension
    DataSet Speed;        // line speed, depth
    DataSet Tension;      // line tension, depth
    DataSet Pressure;     // date-time, pressure
    DataSet Temperature;  // date-time, gauge temperature
    DataSet CCL;          // date-time, CCL value after the CCL gain
    DataSet BHT;          // date-time, borehole temperature
    DataSet Spinner;      // date-time, spinner rate
};

// What a depth file gives, one value per data line; `tension` stays empty for kinds without it.
struct DepthColumns {
    ColumnPtr time = makeColumn();
    ColumnPtr depth = makeColumn();
    ColumnPtr speed = makeColumn();
    ColumnPtr tension = makeColumn();
};

// Points the five depth data sets at the columns (shared, not copied).
void showDepthColumns(JobDataSets& sets, const DepthColumns& columns);

}  // namespace veltrix
