#pragma once

#include <functional>

#include "common/user_port.h"
#include "rvxmod/link/tool_link.h"
#include "rvxmod/model/tool_string.h"

namespace rvxmod::link {

// Where the memory module's own steps join the discovery. Empty hooks do nothing; an empty
// grid refresh counts as success.
struct DiscoveryHooks {
    // Reads the table of calibration files kept in the memory module.
    std::function<void()> loadCalsFromMemoryTool;
    // Refreshes the Tool Info grids: memory size, bad blocks and the job list; its result is the
    // result of the discovery.
    std::function<bool()> updateToolInfoGrids;
};

// Asks the tool string who is there and keeps the model of it up to date. Every message goes to
// the user port; the model keeps whatever was filled before a failing step.
class ToolStringDiscovery {
public:
    ToolStringDiscovery(ToolLink& link, ConnectedToolString& toolString, rvx::UserPort& user,
                        DiscoveryHooks hooks = {})
        : link_(link), toolString_(toolString), user_(user), hooks_(std::move(hooks)) {}

    // Rebuilds the tool string and the memory module record.
    bool connectToSeries(bool quickConnectChecked);
    // Re-read into the existing model; true when the answer was used.
    bool refreshTCSerials();
    bool refreshTCToolLengths();
    bool GetToolCalDates();
    bool GetToolFWDates();

private:
    bool identify(Millis pauseBetweenAttempts);
    void readToolLengths();
    void readDataLengths();
    void separateMemoryModule();
    bool readDateWords(bool (*send)(ToolLink&), Millis pause, const std::string& errorText,
                       std::int32_t ToolObj::*field);

    ToolLink& link_;
    ConnectedToolString& toolString_;
    rvx::UserPort& user_;
    DiscoveryHooks hooks_;
};

}  // namespace rvxmod::link
