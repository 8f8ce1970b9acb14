#include "rvxmod/link/cal_dates_form.h"

#include <algorithm>
#include <cmath>

#include "common/date_parse.h"
#include "common/number_parse.h"
#include "common/text_catalogue.h"
#include "rvxmod/link/commands.h"
#include "rvxmod/link/discovery.h"
#include "rvxmod/link/tool_identity.h"
#include "rvxmod/link/tool_string_grid.h"

namespace rvxmod::link {

namespace {

constexpr int kSoundClick = 0;
constexpr int kMinimumRows = 6;
constexpr std::int32_t kFirstOf2000 = 36526;
constexpr std::size_t kSerialStart = 2;  // after the two-letter tool code
constexpr std::size_t kSerialDigits = 5;

// The date cell with any of "-", "\" and "/" taken as the separator.
std::optional<std::int32_t> dayOf(std::string cell) {
    std::replace_if(
        cell.begin(), cell.end(), [](char c) { return c == '-' || c == '\\'; }, '/');
    rvx::FormatSettings settings;
    settings.shortDateFormat = "yyyy/mm/dd";
    const auto date = rvx::parseDate(cell, settings);
    if (!date) return std::nullopt;
    return static_cast<std::int32_t>(std::floor(*date));
}

}  // namespace

CalDateGrid calDatesGrid(const ConnectedToolString& toolString) {
    CalDateGrid grid;
    for (const ToolObj& tool : toolString.ToolChain) {
        if (!tool.NeedsCal) continue;
        grid.rows.push_back({tool.ToolName, toolIdentityText(tool.ToolCode, tool.SerialNumber),
                             dayNumberText(tool.CalDate)});
    }
    const int tools = toolString.ToolCount();
    grid.rowCount = tools >= kMinimumRows ? tools + 1 : kMinimumRows;
    return grid;
}

std::optional<CalDateGrid> openCalDatesForm(const ConnectedToolString& toolString,
                                            rvx::UserPort& user) {
    user.playSound(kSoundClick);
    if (toolString.ToolChain.empty()) return std::nullopt;
    return calDatesGrid(toolString);
}

bool saveSensorCalDates(ToolLink& link, ConnectedToolString& toolString, rvx::UserPort& user,
                        const std::vector<CalDateRow>& rows) {
    user.playSound(kSoundClick);
    std::vector<std::int32_t> dates(toolString.ToolChain.size(), kFirstOf2000);
    for (const CalDateRow& row : rows) {
        if (row.name.empty()) break;
        const auto day = dayOf(row.calDate);
        if (!day) {
            user.showError(rvx::trText("CalDatesForm", "Error: Invalid date format"));
            return false;
        }
        const std::string_view identity(row.identity);
        const auto serial = rvx::parseInteger<std::int32_t>(
            identity.substr(std::min(kSerialStart, identity.size()), kSerialDigits));
        const int index =
            serial ? getIndexInChain(GetToolID(row.name), *serial, toolString.ToolChain) : -1;
        // A row that names no tool of the string has nowhere to go.
        if (index >= 0) dates[static_cast<std::size_t>(index)] = *day;
    }
    const bool sent = send_setToolCalDate(link, dates);
    if (!sent)
        user.showWarning(rvx::trText("CalDatesForm", "Error setting Tool Calibration Date."));
    ToolStringDiscovery(link, toolString, user).GetToolCalDates();
    return sent;
}

}  // namespace rvxmod::link
