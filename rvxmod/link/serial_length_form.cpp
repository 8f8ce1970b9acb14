#include "rvxmod/link/serial_length_form.h"

#include <algorithm>

#include "common/number_parse.h"
#include "common/text_catalogue.h"
#include "rvxmod/link/commands.h"
#include "rvxmod/link/discovery.h"
#include "rvxmod/link/tool_string_grid.h"

namespace rvxmod::link {

namespace {

constexpr int kSoundClick = 0;

std::string serialDigits(std::int32_t serialNumber) {
    return toolIdentityText("", serialNumber);
}

int rowCountFor(const ConnectedToolString& toolString) {
    const int tools = toolString.ToolCount();
    if (tools > 4 && toolString.MemoryPresent) return tools + 1;
    return tools < 6 ? 5 : tools;
}

// The rows the tools take, as numbers; none when a cell does not hold a valid number.
std::optional<std::vector<IdentityRow>> identityRows(const std::vector<SerialLengthRow>& rows,
                                                     std::size_t used, bool lengths) {
    std::vector<IdentityRow> identities;
    for (std::size_t i = 0; i < std::min(used, rows.size()); ++i) {
        IdentityRow identity{rows[i].name, 0, 0};
        if (!identity.name.empty()) {
            const auto serial = rvx::parseInteger<std::int64_t>(rows[i].serialNumber);
            const auto length = rvx::parseInteger<std::uint8_t>(rows[i].toolLength);
            if (!serial || *serial < 0 || (lengths && !length)) return std::nullopt;
            identity.serialNumber = *serial;
            identity.toolLength = lengths ? *length : 0;
        }
        identities.push_back(identity);
    }
    return identities;
}

// Each tool's calibration slot in the memory module's stored-file table, or -1.
void relinkCalBlocks(ConnectedToolString& toolString) {
    for (ToolObj& tool : toolString.ToolChain) {
        const StoredCalFile* file =
            findStoredCalFile(toolString.Memory, tool.ToolType, tool.SerialNumber);
        tool.CalBlockIndex = file == nullptr ? -1 : file->block;
    }
}

}  // namespace

SerialLengthGrid serialLengthGrid(const ConnectedToolString& toolString) {
    SerialLengthGrid grid;
    if (toolString.MemoryPresent) {
        const MemoryObj& memory = toolString.Memory;
        grid.rows.push_back({memory.Name, memory.Code, serialDigits(memory.SerialNumber),
                             std::to_string(memory.ToolLength)});
    }
    for (const ToolObj& tool : toolString.ToolChain) {
        grid.rows.push_back({tool.ToolName, tool.ToolCode, serialDigits(tool.SerialNumber),
                             std::to_string(tool.ToolLength)});
    }
    grid.rowCount = std::max(rowCountFor(toolString), static_cast<int>(grid.rows.size()));
    return grid;
}

std::optional<SerialLengthGrid> openSerialLengthForm(const ConnectedToolString& toolString,
                                                     rvx::UserPort& user) {
    user.playSound(kSoundClick);
    if (!toolString.MemoryPresent && toolString.ToolChain.empty()) {
        user.showWarning(rvx::trText(
            "SerialLengthForm",
            "There are no tools connected. Cannot save Serial Numbers or Tool Lengths."));
        return std::nullopt;
    }
    return serialLengthGrid(toolString);
}

bool saveSerialNumbersAndLengths(ToolLink& link, ConnectedToolString& toolString,
                                 rvx::UserPort& user, const std::vector<SerialLengthRow>& rows) {
    user.playSound(kSoundClick);
    const rvx::CommandsDisabled busy(user);
    const std::size_t used = toolString.ToolChain.size() + (toolString.MemoryPresent ? 1 : 0);
    ToolStringDiscovery discovery(link, toolString, user);

    const auto serials = identityRows(rows, used, false);
    const bool serialsSaved = serials && send_SetSerialNumber(link, *serials, user);
    bool lengthsSaved = false;
    if (serialsSaved) {
        discovery.refreshTCSerials();
        const auto lengths = identityRows(rows, used, true);
        lengthsSaved = lengths && send_SetToolLength(link, *lengths, toolString);
        if (lengthsSaved) {
            discovery.refreshTCToolLengths();
        } else {
            user.showError(rvx::trText("SerialLengthForm", "Error saving Tool Length."));
        }
    } else {
        user.showError(rvx::trText("SerialLengthForm", "Error saving Tool Serial Number."));
    }
    relinkCalBlocks(toolString);
    return serialsSaved && lengthsSaved;
}

}  // namespace rvxmod::link
