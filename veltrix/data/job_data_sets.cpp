#include "veltrix/data/job_data_sets.h"

namespace veltrix {

void showDepthColumns(JobDataSets& sets, const DepthColumns& columns) {
    sets.Depth = DataSet(columns.time, columns.depth);
    sets.Speed = DataSet(columns.speed, columns.depth);
    sets.Speed_b = DataSet(columns.time, columns.speed);
    sets.Tension = DataSet(columns.tension, columns.depth);
    sets.Tension_b = DataSet(columns.time, columns.tension);
}

}  // namespace veltrix
