#pragma once

#include <string>
#include <vector>

namespace rvxmod::link {

// The serial devices of this machine that "Auto" tries: /dev/ttyS*, /dev/ttyUSB*, /dev/ttyACM*,
// each family in numeric order.
std::vector<std::string> serialDevicesPresent();

}  // namespace rvxmod::link
