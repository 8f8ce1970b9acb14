#include "rvxmod/calibration/cal_identity.h"

namespace rvxmod {

std::string paddedSerial(std::int32_t serialNumber) {
    constexpr std::size_t kWidth = 5;
    std::string text = std::to_string(serialNumber);
    if (text.size() < kWidth) text.insert(0, kWidth - text.size(), '0');
    return text;
}

std::string calIdentity(const ToolObj& tool) {
    return tool.ToolCode + paddedSerial(tool.SerialNumber);
}

}  // namespace rvxmod
