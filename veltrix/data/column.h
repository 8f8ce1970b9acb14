#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace veltrix {

// One array of values in file order, shared by every data set that shows it: the times of a
// depth file serve `Depth`, `Speed_b` and `Tension_b`, and the merge chart shares them too, so
// a clock shift made in place is seen everywhere without copying. Every change raises the
// version, which is how charts learn that they must redraw.
class Column {
public:
    Column() = default;
    explicit Column(std::vector<double> values) : values_(std::move(values)) {}

    std::size_t size() const { return values_.size(); }
    bool empty() const { return values_.empty(); }
    double operator[](std::size_t index) const { return values_[index]; }
    std::span<const double> values() const { return values_; }
    std::uint64_t version() const { return version_; }

    void append(double value);
    void set(std::size_t index, double value);
    // Adds the same amount to every value (a clock moved to another start).
    void shift(double delta);
    void clear();

private:
    std::vector<double> values_;
    std::uint64_t version_ = 0;
};

using ColumnPtr = std::shared_ptr<Column>;

inline ColumnPtr makeColumn(std::vector<double> values = {}) {
    return std::make_shared<Column>(std::move(values));
}

}  // namespace veltrix
