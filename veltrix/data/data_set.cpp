#include "veltrix/data/data_set.h"

#include <utility>

namespace veltrix {

DataSet::DataSet() : x_(makeColumn()), y_(makeColumn()) {}

DataSet::DataSet(ColumnPtr x, ColumnPtr y) : x_(std::move(x)), y_(std::move(y)) {}

}  // namespace veltrix
