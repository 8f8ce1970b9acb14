#pragma once

#include <cstdint>

#include "veltrix/data/data_set.h"

namespace veltrix {

// Remembers which columns, at which version, a chart series last drew, so a chart copies a data
// set again only when it was replaced or changed in place (a clock shift).
class ShownDataSet {
public:
    // True when the data set differs from what was last drawn; it then counts as drawn.
    bool update(const DataSet& set);
    // Whether the keys of the last drawn set (x or y, as the chart searches it) rise steadily.
    bool keysSorted() const { return keysSorted_; }
    void setKeysSorted(bool sorted) { keysSorted_ = sorted; }

private:
    const Column* x_ = nullptr;
    const Column* y_ = nullptr;
    std::uint64_t version_ = 0;
    bool drawnOnce_ = false;
    bool keysSorted_ = false;
};

}  // namespace veltrix
