#include "veltrix/data/column.h"

namespace veltrix {

void Column::append(double value) {
    values_.push_back(value);
    ++version_;
}

void Column::set(std::size_t index, double value) {
    values_.at(index) = value;
    ++version_;
}

void Column::shift(double delta) {
    for (double& value : values_) value += delta;
    ++version_;
}

void Column::clear() {
    values_.clear();
    ++version_;
}

}  // namespace veltrix
