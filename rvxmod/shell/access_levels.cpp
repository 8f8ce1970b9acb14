#include "rvxmod/shell/access_levels.h"

namespace rvxmod {

void AccessLevels::toggleExtraByChord() {
    extraSupervisor = !extraSupervisor;
    if (extraSupervisor) supervisor = true;
}

}  // namespace rvxmod
