#pragma once

#include <vector>

#include "rvxmod/sim/flash_image.h"
#include "rvxmod/sim/job_recorder.h"
#include "rvxmod/sim/scenario.h"

namespace rvxmod::sim {

// Memory as a tool string leaves it after a few runs in a well: the bad-block table, a bad block
// inside the second job, and three jobs back to back recorded by the scenario's sensors; in the
// second job the first sensor drops out for a while and joins again.
std::vector<RecordedJob> recordScenarioJobs(const Scenario& scenario, FlashImage& flash);

}  // namespace rvxmod::sim
