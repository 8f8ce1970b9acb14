#include "rvxmod/link/connect_sequence.h"

#include "common/text_catalogue.h"
#include "rvxmod/link/commands.h"
#include "rvxmod/link/serial_devices.h"

namespace rvxmod::link {

namespace {

constexpr Millis kSettleTime{5000};
constexpr int kConnectAttempts = 2;
constexpr int kSoundClick = 0;
constexpr int kSoundConnected = 13;

std::vector<std::string> devicesToTry(const ConnectOptions& options) {
    if (options.choice == PortChoice::Com) return {options.comDevice};
    std::vector<std::string> devices = serialDevicesPresent();
    devices.insert(devices.end(), options.extraDevices.begin(), options.extraDevices.end());
    return devices;
}

}  // namespace

ConnectOutcome connectMemModule(ToolLink& link, ConnectedToolString& toolString,
                                rvx::UserPort& user, const std::vector<std::string>& devices,
                                const ConnectOptions& options, const ConnectHooks& hooks) {
    Port& port = link.port();
    for (const std::string& device : devices) {
        if (!port.open(device).ok()) continue;
        // At the slow rate the connect command's empty answer is acceptable, so the tool has to
        // identify itself first.
        const bool mayConnect = port.baud() != kFallbackBaud || send_GetToolIDSerialNumber(link);
        if (mayConnect && withAttempts(link, kConnectAttempts, Millis{0}, send_Connect2Tool)) {
            const auto answer = link.receiver().payload();
            toolString.Memory.FirmwareDate = answer.size() >= 2 ? answer[0] * 256 + answer[1] : 0;
            if (hooks.refreshProgramGrid) hooks.refreshProgramGrid();
            ToolStringDiscovery discovery(link, toolString, user, hooks.discovery);
            return {discovery.connectToSeries(options.quickConnectChecked), device, port.baud()};
        }
        port.close();
    }
    return {};
}

ConnectOutcome connectToolString(ToolLink& link, ConnectedToolString& toolString,
                                 rvx::UserPort& user, const ConnectOptions& options,
                                 const ConnectHooks& hooks) {
    const rvx::CommandsDisabled busy(user);
    user.setStatus(rvx::trText("Connect", "Connecting to tool..."));
    toolString.BytesPerLiveSample = 0;
    toolString.MemoryPresent = false;
    user.playSound(kSoundClick);

    Port& port = link.port();
    const std::vector<std::string> devices = devicesToTry(options);
    ConnectOutcome outcome;
    bool settled = false;
    for (const int baud : options.bauds) {
        port.close();
        if (!port.setBaud(baud).ok()) continue;
        if (!settled) {
            link.clock().sleepFor(kSettleTime);
            settled = true;
        }
        outcome = connectMemModule(link, toolString, user, devices, options, hooks);
        if (outcome.connected) break;
    }
    if (outcome.connected) {
        user.playSound(kSoundConnected);
    } else {
        user.showError(rvx::trText("Connect", "Tool not responding. Check connection."));
    }
    user.setStatus("");
    return outcome;
}

}  // namespace rvxmod::link
