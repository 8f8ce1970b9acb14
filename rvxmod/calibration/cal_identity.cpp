#include "rvxmod/calibration/cal_identity.h"

#include "common/fixed_text.h"

namespace rvxmod {

std::string calIdentity(const ToolObj& tool) {
    return tool.ToolCode + rvx::PadC(std::to_string(tool.SerialNumber), 5, true, '0');
}

}  // namespace rvxmod
