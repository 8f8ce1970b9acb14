#pragma once

#include <string>

#include "rvxmod/link/connect_sequence.h"

namespace rvxmod::app {

// The Tool Info page's port options as the connect sequence takes them.
struct PortChoiceInput {
    int comFind = 0;          // 0 "Auto", 1 "Com"
    int comNumber = 1;        // the spin edit: /dev/ttyS<n> when no device is typed
    std::string typedDevice;  // a device path typed by the user, e.g. a simulator link
    bool quickConnect = false;
};

// "Com" tries the typed device, else the numbered one; "Auto" tries the machine's serial
// devices and then the typed device.
link::ConnectOptions connectOptionsOf(const PortChoiceInput& input);

}  // namespace rvxmod::app
