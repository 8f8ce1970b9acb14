#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/user_port.h"
#include "rvxmod/link/tool_link.h"
#include "rvxmod/model/tool_string.h"

namespace rvxmod::link {

// One row of the Sensor Cal Dates grid below its header row, as the cells show it.
struct CalDateRow {
    std::string name;
    std::string identity;  // tool code and five-digit serial number
    std::string calDate;   // yyyy/mm/dd
};

struct CalDateGrid {
    std::vector<CalDateRow> rows;  // tools that need a calibration, in tool-string order
    int rowCount = 0;              // grid rows including the header row
};

CalDateGrid calDatesGrid(const ConnectedToolString& toolString);

// Opening the form: nothing to edit without tools.
std::optional<CalDateGrid> openCalDatesForm(const ConnectedToolString& toolString,
                                            rvx::UserPort& user);

// "Save Cal Dates": one date per tool, 2000/01/01 for tools without a row, written into the tool
// string and read back. False when a date could not be read or the tools did not take them; the
// caller refills the grid and refreshes the Tool Info grid either way.
bool saveSensorCalDates(ToolLink& link, ConnectedToolString& toolString, rvx::UserPort& user,
                        const std::vector<CalDateRow>& rows);

}  // namespace rvxmod::link
