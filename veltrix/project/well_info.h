#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace veltrix {

// The well information of the report: label and value rows. The labels come from the template
// file; the readers append rows naming the files they read and their start times.
class WellInfo {
public:
    static constexpr int columnCount = 2;
    enum Column { LabelColumn, ValueColumn };
    struct Row {
        std::string label;
        std::string value;
    };

    // The labels used when there is no template file.
    static const std::array<const char*, 22>& defaultLabels();
    // One row per default label with an empty value.
    static WellInfo withDefaultLabels();
    // The grid read from a template: one row per line, then one empty row.
    static WellInfo fromTemplate(std::string_view templateText);

    int rowCount() const { return static_cast<int>(rows_.size()); }
    const std::string& cell(int row, int column) const;
    void setCell(int row, int column, std::string text);
    void appendRow(std::string label, std::string value);

    // Writes the value into the first row whose label, in upper case, is `upperCaseLabel`; a grid
    // without such a row is left as it is.
    void setValueOf(std::string_view upperCaseLabel, std::string value);

    // Writes the date into the first row whose label contains "date" (case ignored); a grid
    // without such a row is left as it is.
    void updateTestDate(const std::string& dateText);

private:
    std::vector<Row> rows_;
};

// The template text of the default labels, one per line.
std::string defaultWellInfoTemplate();

}  // namespace veltrix
