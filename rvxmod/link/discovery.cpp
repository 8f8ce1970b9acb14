#include "rvxmod/link/discovery.h"

#include <algorithm>

#include "common/text_catalogue.h"
#include "rvxmod/link/commands.h"
#include "rvxmod/link/tool_identity.h"
#include "rvxmod/model/tool_types.h"

namespace rvxmod::link {

namespace {

constexpr int kAttempts = 3;
constexpr Millis kPauseBetweenAttempts{500};
constexpr Millis kNoPause{0};
constexpr std::size_t kIdentityBytes = 3;  // type, serial high, serial low

std::string identificationError() {
    return rvx::trText("ToolDiscovery", "Error: Invalid tool response - Tool ID and Serial Number");
}

std::string lengthError() {
    return rvx::trText("ToolDiscovery", "Error: Invalid tool response - Tool Length");
}

std::int32_t wordAt(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return bytes[offset] * 256 + bytes[offset + 1];
}

// One length byte per tool in order; tools beyond the answer keep their length.
void assignLengths(TToolChain& chain, std::span<const std::uint8_t> lengths) {
    for (std::size_t i = 0; i < std::min(chain.size(), lengths.size()); ++i) {
        chain[i].ToolLength = lengths[i];
    }
}

}  // namespace

bool ToolStringDiscovery::identify(Millis pauseBetweenAttempts) {
    const bool answered =
        withAttempts(link_, kAttempts, pauseBetweenAttempts, send_GetToolIDSerialNumber);
    if (!answered || link_.receiver().payload().size() % kIdentityBytes != 0) {
        user_.showError(identificationError());
        return false;
    }
    return true;
}

bool ToolStringDiscovery::connectToSeries(bool quickConnectChecked) {
    toolString_.ToolChain.clear();
    toolString_.QuickConnect = false;
    toolString_.MemoryPresent = false;
    if (!identify(kPauseBetweenAttempts)) return false;

    const auto identities = link_.receiver().payload();
    for (std::size_t offset = 0; offset < identities.size(); offset += kIdentityBytes) {
        ToolObj tool;
        tool.ToolType = identities[offset];
        tool.SerialNumber = wordAt(identities, offset + 1);
        tool.ToolName = GetToolName(tool.ToolType);
        tool.ToolCode = toolTypeCode(tool.ToolType);
        tool.NeedsCal = toolTypeInfo(tool.ToolType).needsCalConnected;
        tool.CalBlockIndex = -1;
        if (tool.ToolType == kMemory) {
            toolString_.MemoryPresent = true;
            toolString_.QuickConnect = quickConnectChecked;
        }
        toolString_.ToolChain.push_back(tool);
    }
    readToolLengths();
    readDataLengths();
    separateMemoryModule();
    GetToolCalDates();
    GetToolFWDates();

    // Counted afresh, so a second discovery within one connect does not add the tools twice.
    toolString_.BytesPerLiveSample = 0;
    for (const ToolObj& tool : toolString_.ToolChain) {
        toolString_.BytesPerLiveSample += tool.DataLength + 1;
    }
    return hooks_.updateToolInfoGrids ? hooks_.updateToolInfoGrids() : true;
}

void ToolStringDiscovery::readToolLengths() {
    if (!withAttempts(link_, kAttempts, kPauseBetweenAttempts, send_GetToolLength)) {
        user_.showError(lengthError());
        return;
    }
    assignLengths(toolString_.ToolChain, link_.receiver().payload());
}

void ToolStringDiscovery::readDataLengths() {
    if (!withAttempts(link_, kAttempts, kPauseBetweenAttempts, send_GetDataLength)) {
        user_.showError(
            rvx::trText("ToolDiscovery", "Error: Invalid tool response - Tool Data Length"));
        return;
    }
    const auto sizes = link_.receiver().payload();
    auto& chain = toolString_.ToolChain;
    for (std::size_t i = 0; i < std::min(chain.size(), sizes.size()); ++i) {
        if (chain[i].ToolType != kMemory) chain[i].DataLength = sizes[i] - 1;
    }
}

void ToolStringDiscovery::separateMemoryModule() {
    MemoryObj& memory = toolString_.Memory;
    resetMemoryTool(memory);
    if (!toolString_.MemoryPresent) return;
    auto& chain = toolString_.ToolChain;
    const auto module = std::find_if(chain.begin(), chain.end(),
                                     [](const ToolObj& tool) { return tool.ToolType == kMemory; });
    memory.Type = static_cast<std::int32_t>(module->ToolType);
    memory.SerialNumber = module->SerialNumber;
    memory.ToolLength = module->ToolLength;
    memory.Name = module->ToolName;
    memory.Code = toolTypeCode(kMemory);
    chain.erase(module);
    if (hooks_.loadCalsFromMemoryTool) hooks_.loadCalsFromMemoryTool();
}

bool ToolStringDiscovery::readDateWords(bool (*send)(ToolLink&), Millis pause,
                                        const std::string& errorText,
                                        std::int32_t ToolObj::*field) {
    const bool answered = withAttempts(link_, kAttempts, pause, send);
    const auto words = link_.receiver().payload();
    if (!answered || words.size() % 2 != 0) {
        user_.showError(errorText);
        return false;
    }
    auto& chain = toolString_.ToolChain;
    for (std::size_t j = 0; j < std::min(chain.size(), words.size() / 2); ++j) {
        chain[j].*field = wordAt(words, 2 * j);
    }
    return true;
}

bool ToolStringDiscovery::GetToolCalDates() {
    return readDateWords(
        send_GetToolCalDate, kPauseBetweenAttempts,
        rvx::trText("ToolDiscovery", "Error: Invalid tool response - Tool Calibration Date"),
        &ToolObj::CalDate);
}

bool ToolStringDiscovery::GetToolFWDates() {
    return readDateWords(
        send_GetToolFWDate, kNoPause,
        rvx::trText("ToolDiscovery", "Error: Invalid tool response - Tool FW Date"),
        &ToolObj::FirmwareDate);
}

bool ToolStringDiscovery::refreshTCSerials() {
    if (!identify(kPauseBetweenAttempts)) return false;
    const auto identities = link_.receiver().payload();
    auto nextTool = toolString_.ToolChain.begin();
    for (std::size_t offset = 0; offset < identities.size(); offset += kIdentityBytes) {
        const std::int32_t serial = wordAt(identities, offset + 1);
        if (identities[offset] == kMemory) {
            toolString_.Memory.SerialNumber = serial;
        } else if (nextTool != toolString_.ToolChain.end()) {
            (nextTool++)->SerialNumber = serial;
        }
    }
    return true;
}

bool ToolStringDiscovery::refreshTCToolLengths() {
    if (!withAttempts(link_, kAttempts, kNoPause, send_GetToolLength)) {
        user_.showError(lengthError());
        return false;
    }
    auto lengths = link_.receiver().payload();
    if (toolString_.MemoryPresent && !lengths.empty()) {
        toolString_.Memory.ToolLength = lengths.front();
        lengths = lengths.subspan(1);
    }
    assignLengths(toolString_.ToolChain, lengths);
    return true;
}

}  // namespace rvxmod::link
