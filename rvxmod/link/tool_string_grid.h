#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "rvxmod/model/tool_string.h"

namespace rvxmod::link {

enum class CalFileStatus { NotApplicable, NoMemory, NotPresent, Valid, Expired, Error };

// One row of the Tool Info tool-string grid, as text.
struct ToolGridRow {
    std::string name;
    std::string identity;  // tool code and five-digit serial number
    std::string calDate;
    CalFileStatus calStatus = CalFileStatus::NotApplicable;
    std::string calStatusText;
    std::string firmwareDate;
};

struct ToolGrid {
    std::vector<ToolGridRow> rows;  // the memory module first when present
    int rowCount = 0;               // rows to show: at least 6
    std::string hint;               // set when there is no memory module
};

// The tool-string grid's content for the connected tool string.
ToolGrid UpdateToolChainGrid(const ConnectedToolString& toolString);

// Background of a calibration-file status cell (a BGR colour); none for "N/A".
std::optional<std::uint32_t> calFileStatusColour(CalFileStatus status);

// "yyyy/mm/dd" of a day number.
std::string dayNumberText(std::int32_t dayNumber);
// Tool code followed by the serial number padded with "0" to five digits.
std::string toolIdentityText(const std::string& code, std::int32_t serialNumber);

}  // namespace rvxmod::link
