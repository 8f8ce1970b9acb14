#include "rvxmod/app/pages/tool_info/port_choice.h"

namespace rvxmod::app {

link::ConnectOptions connectOptionsOf(const PortChoiceInput& input) {
    link::ConnectOptions options;
    options.quickConnectChecked = input.quickConnect;
    if (input.comFind == 1) {
        options.choice = link::PortChoice::Com;
        options.comDevice = input.typedDevice.empty()
                                ? "/dev/ttyS" + std::to_string(input.comNumber)
                                : input.typedDevice;
    } else if (!input.typedDevice.empty()) {
        options.extraDevices.push_back(input.typedDevice);
    }
    return options;
}

}  // namespace rvxmod::app
