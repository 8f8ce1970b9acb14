#include "veltrix/app/shown_data_set.h"

namespace veltrix {

bool ShownDataSet::update(const DataSet& set) {
    const bool same = drawnOnce_ && x_ == set.xColumn().get() && y_ == set.yColumn().get() &&
                      version_ == set.version();
    if (same) return false;
    x_ = set.xColumn().get();
    y_ = set.yColumn().get();
    version_ = set.version();
    drawnOnce_ = true;
    return true;
}

}  // namespace veltrix
