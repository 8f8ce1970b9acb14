#include "rvxmod/download/rvx_columns.h"

#include <algorithm>

#include "common/text_catalogue.h"
#include "rvxmod/download/output_units.h"
#include "rvxmod/download/rvx_text_format.h"
#include "rvxmod/model/tool_types.h"

namespace rvxmod {
namespace {

constexpr const char* kContext = "RvxFile";

std::string tr(const char* english) {
    return rvx::trText(kContext, english);
}

std::string spaces(std::size_t count) {
    return std::string(count, ' ');
}

std::optional<std::size_t> firstOfType(const TToolChain& tools, std::uint32_t type) {
    const auto found = std::ranges::find(tools, type, &ToolObj::ToolType);
    if (found == tools.end()) return std::nullopt;
    return static_cast<std::size_t>(found - tools.begin());
}

bool givesExtraColumns(std::uint32_t type) {
    switch (type) {
        case kCCL:
        case kRTD:
        case kPiezo:
        case kRarodIdirura:
        case kSpinner:
        case kBatteryCountedTool:
            return true;
        default:
            return false;
    }
}

std::string columnName(const ToolObj& tool, const char* label) {
    return tool.ToolName + tool.ToolCode + fiveDigitSerial(tool.SerialNumber) + "_" + tr(label);
}

void addStandardTitle(std::string& line, const TToolChain& tools,
                      const std::optional<std::size_t>& source, const char* label,
                      std::size_t spacesAfterName) {
    if (source)
        line += columnName(tools[*source], label) + spaces(spacesAfterName);
    else
        line += tr(label) + spaces(6);
}

void addHeaderInfo_title(std::string& line, const ToolObj& tool) {
    line += spaces(3);
    switch (tool.ToolType) {
        case kCCL:
            line += columnName(tool, "Collars");
            break;
        case kRTD:
            line += columnName(tool, "RTD_Temperature");
            break;
        case kPiezo:
            line += columnName(tool, "Pressure") + spaces(3) + columnName(tool, "Temperature");
            break;
        case kRarodIdirura:
            line += columnName(tool, "Pressure") + spaces(3) + columnName(tool, "Temperature") +
                    spaces(3) + columnName(tool, "Revolutions");
            break;
        case kSpinner:
            line += columnName(tool, "Revolutions");
            break;
        default:
            break;
    }
}

std::string inBrackets(const std::string& text) {
    return "(" + text + ")";
}

// The unit texts of one kind of file: real units or raw counts.
struct UnitTexts {
    std::string pressure;
    std::string temperature;
    std::string spinner;
};

void addHeaderInfo_units(std::string& line, const ToolObj& tool, const UnitTexts& units) {
    line += spaces(7);
    const std::string pressure = inBrackets(units.pressure) + spaces(5);
    const std::string temperature = inBrackets(units.temperature) + spaces(5);
    const std::string spinner = inBrackets(units.spinner) + spaces(5);
    switch (tool.ToolType) {
        case kCCL:
            line += inBrackets(tr("Collars")) + spaces(5);
            break;
        case kRTD:
            line += temperature;
            break;
        case kPiezo:
            line += pressure + temperature;
            break;
        case kRarodIdirura:
            line += pressure + temperature + spinner;
            break;
        case kSpinner:
            line += spinner;
            break;
        default:
            break;
    }
}

std::string timeUnit(const RvxOutputOptions& options) {
    if (options.time == TimeColumn::RealTime) return inBrackets(tr("Real") + "-" + tr("Time"));
    return inBrackets(tr("Hours"));
}

}  // namespace

OutputOrder getOutputOrder(const TToolChain& tools) {
    OutputOrder order;
    const auto rarodIdirura = firstOfType(tools, kRarodIdirura);
    order.pressure = rarodIdirura ? rarodIdirura : firstOfType(tools, kPiezo);
    order.collars = firstOfType(tools, kCCL);
    order.rtd = firstOfType(tools, kRTD);
    order.revolutions = rarodIdirura ? rarodIdirura : firstOfType(tools, kSpinner);
    for (std::size_t i = 0; i < tools.size(); ++i) {
        const bool used =
            order.pressure == i || order.collars == i || order.rtd == i || order.revolutions == i;
        if (!used && givesExtraColumns(tools[i].ToolType)) order.extras.push_back(i);
    }
    return order;
}

std::string titleLine(const TToolChain& tools, const OutputOrder& order) {
    std::string line = tr("Time") + spaces(5);
    addStandardTitle(line, tools, order.pressure, "Pressure", 3);
    addStandardTitle(line, tools, order.pressure, "Temperature", 3);
    addStandardTitle(line, tools, order.collars, "Collars", 3);
    addStandardTitle(line, tools, order.rtd, "RTD_Temperature", 3);
    addStandardTitle(line, tools, order.revolutions, "Revolutions", 0);
    for (const std::size_t index : order.extras) addHeaderInfo_title(line, tools[index]);
    return line;
}

std::string unitsLine(const TToolChain& tools, const OutputOrder& order, bool realValues,
                      const RvxOutputOptions& options) {
    const UnitTexts units = realValues
                                ? UnitTexts{pressureUnitText(options), temperatureUnitText(options),
                                            spinnerUnitText(options)}
                                : UnitTexts{tr("RawP"), tr("RawT"), spinnerUnitText(options)};
    std::string line = timeUnit(options) + spaces(realValues ? 6 : 5);
    line += inBrackets(units.pressure) + spaces(realValues ? 10 : 6);
    line += inBrackets(units.temperature) + spaces(10);
    line += inBrackets(tr("Collars")) + spaces(6);
    line += inBrackets(units.temperature) + spaces(10);
    line += inBrackets(units.spinner);
    for (const std::size_t index : order.extras) addHeaderInfo_units(line, tools[index], units);
    return line;
}

}  // namespace rvxmod
