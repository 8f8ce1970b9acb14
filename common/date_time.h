#pragma once

namespace rvx {

// Whole days since 30 December 1899 plus the fraction of the day (one hour = 1/24).
using DateTime = double;

}  // namespace rvx
