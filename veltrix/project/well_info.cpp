#include "veltrix/project/well_info.h"

#include <algorithm>
#include <cctype>

#include "common/fixed_text.h"

namespace veltrix {
namespace {

bool containsDate(std::string_view label) {
    constexpr std::string_view word = "date";
    const auto found = std::search(
        label.begin(), label.end(), word.begin(), word.end(),
        [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
    return found != label.end();
}

bool isUpperCaseOf(std::string_view label, std::string_view upperCaseLabel) {
    return std::equal(
        label.begin(), label.end(), upperCaseLabel.begin(), upperCaseLabel.end(),
        [](char a, char b) { return std::toupper(static_cast<unsigned char>(a)) == b; });
}

}  // namespace

const std::array<const char*, 22>& WellInfo::defaultLabels() {
    static const std::array<const char*, 22> labels = {"Company",
                                                       "Well",
                                                       "Field ",
                                                       "Reservoir",
                                                       "Interval (MD)",
                                                       "Interval (TVD)",
                                                       "DATUM (MD)",
                                                       "DATUM (TVD)",
                                                       "TEST TYPE ",
                                                       "GAUGE S/N",
                                                       "GAUGE DEPTH (MD)",
                                                       "GAUGE DEPTH (TVD)",
                                                       "TEST DATE",
                                                       "ROTARY TABLE",
                                                       "TRACKER",
                                                       "LOCATION",
                                                       "API REFERENCE NUMBER",
                                                       "COUNTRY",
                                                       "COUNTY",
                                                       "STATE",
                                                       "SERVICE COMPANY NAME",
                                                       "UNIQUE WELL IDENTIFIER"};
    return labels;
}

WellInfo WellInfo::withDefaultLabels() {
    WellInfo info;
    for (const char* label : defaultLabels()) info.appendRow(label, {});
    return info;
}

WellInfo WellInfo::fromTemplate(std::string_view templateText) {
    WellInfo info;
    for (const std::string_view line : rvx::splitLines(templateText)) {
        info.appendRow(std::string(line), {});
    }
    info.appendRow({}, {});
    return info;
}

const std::string& WellInfo::cell(int row, int column) const {
    const Row& entry = rows_.at(row);
    return column == LabelColumn ? entry.label : entry.value;
}

void WellInfo::setCell(int row, int column, std::string text) {
    if (row < 0 || row >= rowCount()) return;
    Row& entry = rows_[row];
    (column == LabelColumn ? entry.label : entry.value) = std::move(text);
}

void WellInfo::appendRow(std::string label, std::string value) {
    rows_.push_back({std::move(label), std::move(value)});
}

void WellInfo::setValueOf(std::string_view upperCaseLabel, std::string value) {
    const auto row = std::find_if(rows_.begin(), rows_.end(), [upperCaseLabel](const Row& entry) {
        return isUpperCaseOf(entry.label, upperCaseLabel);
    });
    if (row != rows_.end()) row->value = std::move(value);
}

void WellInfo::updateTestDate(const std::string& dateText) {
    const auto row = std::find_if(rows_.begin(), rows_.end(),
                                  [](const Row& entry) { return containsDate(entry.label); });
    if (row != rows_.end()) row->value = dateText;
}

std::string defaultWellInfoTemplate() {
    std::string text;
    for (const char* label : WellInfo::defaultLabels()) {
        text += label;
        text += "\r\n";
    }
    return text;
}

}  // namespace veltrix
