#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

#include "veltrix/data/column.h"

namespace veltrix {

// An ordered list of (x, y) points kept in reading order: no sorting, no de-duplication. The two
// coordinates live in shared columns, so copies of a data set (the merge chart's series) see later
// changes of the source, and a depth file's columns are held once for all its data sets. A depth
// record of time, depth and speed costs 24 bytes per point.
class DataSet {
public:
    // An empty data set.
    DataSet();
    DataSet(ColumnPtr x, ColumnPtr y);

    // Points exist where both columns have a value.
    std::size_t size() const { return std::min(x_->size(), y_->size()); }
    bool empty() const { return size() == 0; }

    double x(std::size_t index) const { return (*x_)[index]; }
    double y(std::size_t index) const { return (*y_)[index]; }
    std::span<const double> xs() const { return x_->values().first(size()); }
    std::span<const double> ys() const { return y_->values().first(size()); }

    // Changes whenever either column changes; a chart redraws when it differs from the last seen.
    std::uint64_t version() const { return x_->version() + y_->version(); }

    // The columns themselves, for operations that change values in place (clock alignment).
    const ColumnPtr& xColumn() const { return x_; }
    const ColumnPtr& yColumn() const { return y_; }

private:
    ColumnPtr x_;
    ColumnPtr y_;
};

}  // namespace veltrix
