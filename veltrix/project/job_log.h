#pragma once

#include <array>
#include <string>
#include <vector>

namespace veltrix {

// The job log typed by the engineer for the report: one row per event with its time, depth,
// pressure, temperature and a comment. Cells are free text.
class JobLog {
public:
    static constexpr int columnCount = 5;
    enum Column { TimeColumn, DepthColumn, PressureColumn, TemperatureColumn, CommentsColumn };
    using Row = std::array<std::string, columnCount>;

    // Column captions of the header row.
    static const std::array<const char*, columnCount>& headers();

    // A new log holds one empty row.
    JobLog();

    int rowCount() const { return static_cast<int>(rows_.size()); }
    const std::string& cell(int row, int column) const;
    void setCell(int row, int column, std::string text);

    void addRow();
    // Copies into the cell the text one row up and one column to the left (in the first column:
    // the cell above). The first row has nothing above it and stays as it is.
    void copyTime(int row, int column);
    // Every row from `row` down takes the cells of the row below; the last row becomes empty, so
    // the row count stays.
    void deleteRow(int row);
    // Back to one empty row.
    void clear();

private:
    bool contains(int row, int column) const;

    std::vector<Row> rows_;
};

}  // namespace veltrix
