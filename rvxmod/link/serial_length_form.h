#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/user_port.h"
#include "rvxmod/link/tool_link.h"
#include "rvxmod/model/tool_string.h"

namespace rvxmod::link {

// One row of the Save Tool Serial Number and Tool Lengths grid, as the cells show it.
struct SerialLengthRow {
    std::string name;
    std::string code;
    std::string serialNumber;  // five digits
    std::string toolLength;    // inches
};

struct SerialLengthGrid {
    std::vector<SerialLengthRow> rows;  // the memory module first when present
    int rowCount = 0;
};

// The grid for the connected tool string.
SerialLengthGrid serialLengthGrid(const ConnectedToolString& toolString);

// Opening the form: nothing to edit without tools (the warning says so).
std::optional<SerialLengthGrid> openSerialLengthForm(const ConnectedToolString& toolString,
                                                     rvx::UserPort& user);

// "Save Data": writes the serial numbers, then the lengths, into the tools and reads them back;
// true when both were saved (the caller then refreshes the Tool Info grid and refills this one).
// Every tool's calibration slot is looked up again in any case.
bool saveSerialNumbersAndLengths(ToolLink& link, ConnectedToolString& toolString,
                                 rvx::UserPort& user, const std::vector<SerialLengthRow>& rows);

}  // namespace rvxmod::link
