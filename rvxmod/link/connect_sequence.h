#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/user_port.h"
#include "rvxmod/link/discovery.h"
#include "rvxmod/link/tool_link.h"
#include "rvxmod/model/tool_string.h"

namespace rvxmod::link {

enum class PortChoice {
    Auto,  // the serial devices present, then the links the user named
    Com,   // only the chosen device
};

struct ConnectOptions {
    PortChoice choice = PortChoice::Auto;
    std::string comDevice;
    std::vector<std::string> extraDevices;  // pseudo-terminal links tried by "Auto"
    std::vector<int> bauds{kUserBaud, kFallbackBaud};
    bool quickConnectChecked = false;
};

struct ConnectHooks {
    DiscoveryHooks discovery;
    // Refreshes the program grid once the memory module has answered.
    std::function<void()> refreshProgramGrid;
};

struct ConnectOutcome {
    bool connected = false;
    std::string device;  // the device whose tool answered the connect command
    int baud = 0;
};

// The Connect button without its window: settle, find the port and speed, connect and discover
// the tool string. Commands stay disabled for the whole sequence.
ConnectOutcome connectToolString(ToolLink& link, ConnectedToolString& toolString,
                                 rvx::UserPort& user, const ConnectOptions& options,
                                 const ConnectHooks& hooks = {});

// Tries each device at the baud rate in force until a tool answers the connect command.
ConnectOutcome connectMemModule(ToolLink& link, ConnectedToolString& toolString,
                                rvx::UserPort& user, const std::vector<std::string>& devices,
                                const ConnectOptions& options, const ConnectHooks& hooks);

}  // namespace rvxmod::link
