#include "rvxmod/link/tool_string_grid.h"

#include <algorithm>

#include "common/date_format.h"
#include "common/fixed_text.h"
#include "common/text_catalogue.h"

namespace rvxmod::link {

namespace {

constexpr int kMinimumRows = 6;

CalFileStatus calStatusOf(const ToolObj& tool, const ConnectedToolString& toolString) {
    if (!toolString.MemoryPresent) return CalFileStatus::NoMemory;
    if (!tool.NeedsCal) return CalFileStatus::NotApplicable;
    const StoredCalFile* file =
        findStoredCalFile(toolString.Memory, tool.ToolType, tool.SerialNumber);
    if (file == nullptr) return CalFileStatus::NotPresent;
    if (file->calDate == tool.CalDate) return CalFileStatus::Valid;
    return file->calDate < tool.CalDate ? CalFileStatus::Expired : CalFileStatus::Error;
}

std::string calStatusText(CalFileStatus status) {
    switch (status) {
        case CalFileStatus::NotApplicable:
            return rvx::trText("ToolInfo", "N/A");
        case CalFileStatus::NoMemory:
            return rvx::trText("ToolInfo", "No Memory");
        case CalFileStatus::NotPresent:
            return rvx::trText("ToolInfo", "Not present");
        case CalFileStatus::Valid:
            return rvx::trText("ToolInfo", "Valid");
        case CalFileStatus::Expired:
            return rvx::trText("ToolInfo", "Expired");
        case CalFileStatus::Error:
            return rvx::trText("ToolInfo", "Error ");
    }
    return {};
}

}  // namespace

std::string dayNumberText(std::int32_t dayNumber) {
    return rvx::formatDateTime("yyyy/mm/dd", static_cast<rvx::DateTime>(dayNumber));
}

std::string toolIdentityText(const std::string& code, std::int32_t serialNumber) {
    return code + rvx::PadC(std::to_string(serialNumber), 5, true, '0');
}

std::optional<std::uint32_t> calFileStatusColour(CalFileStatus status) {
    switch (status) {
        case CalFileStatus::NotApplicable:
            return std::nullopt;
        case CalFileStatus::NoMemory:
            return 0xC0C0C0;
        case CalFileStatus::NotPresent:
            return 1432534;
        case CalFileStatus::Valid:
            return 910337;
        case CalFileStatus::Expired:
        case CalFileStatus::Error:
            return 4534781;
    }
    return std::nullopt;
}

ToolGrid UpdateToolChainGrid(const ConnectedToolString& toolString) {
    ToolGrid grid;
    if (toolString.MemoryPresent) {
        const MemoryObj& memory = toolString.Memory;
        grid.rows.push_back({memory.Name, toolIdentityText(memory.Code, memory.SerialNumber),
                             rvx::trText("ToolInfo", "N/A"), CalFileStatus::NotApplicable,
                             rvx::trText("ToolInfo", "N/A"), dayNumberText(memory.FirmwareDate)});
    } else {
        grid.hint = rvx::trText(
            "ToolInfo",
            "There is no memory module present. Calibration files, program steps and Bad Block "
            "Table are all stored in the Memory Module.");
    }
    for (const ToolObj& tool : toolString.ToolChain) {
        const CalFileStatus status = calStatusOf(tool, toolString);
        grid.rows.push_back(
            {tool.ToolName, toolIdentityText(tool.ToolCode, tool.SerialNumber),
             tool.NeedsCal ? dayNumberText(tool.CalDate) : rvx::trText("ToolInfo", "N/A"), status,
             calStatusText(status), dayNumberText(tool.FirmwareDate)});
    }
    grid.rowCount = std::max(kMinimumRows, static_cast<int>(grid.rows.size()));
    return grid;
}

}  // namespace rvxmod::link
