#include "veltrix/project/job_log.h"

#include <algorithm>

namespace veltrix {

const std::array<const char*, JobLog::columnCount>& JobLog::headers() {
    static const std::array<const char*, columnCount> captions = {
        "Time", "Depth", "Pressure", "Temperature", "C o m m e n t s "};
    return captions;
}

JobLog::JobLog() : rows_(1) {}

bool JobLog::contains(int row, int column) const {
    return row >= 0 && row < rowCount() && column >= 0 && column < columnCount;
}

const std::string& JobLog::cell(int row, int column) const {
    return rows_.at(row).at(column);
}

void JobLog::setCell(int row, int column, std::string text) {
    if (contains(row, column)) rows_[row][column] = std::move(text);
}

void JobLog::addRow() {
    rows_.emplace_back();
}

void JobLog::copyTime(int row, int column) {
    if (!contains(row, column) || row == 0) return;
    const int sourceColumn = std::max(column - 1, 0);
    rows_[row][column] = rows_[row - 1][sourceColumn];
}

void JobLog::deleteRow(int row) {
    if (!contains(row, 0)) return;
    std::move(rows_.begin() + row + 1, rows_.end(), rows_.begin() + row);
    rows_.back() = Row{};
}

void JobLog::clear() {
    rows_.assign(1, Row{});
}

}  // namespace veltrix
