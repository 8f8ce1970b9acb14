#include "veltrix/app/curve_thinning.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace veltrix {
namespace {

// One run of consecutive points within a pixel row.
class Run {
public:
    Run(std::size_t index, double row)
        : row_(row), first_(index), last_(index), low_(index), high_(index) {}

    double row() const { return row_; }
    void add(std::size_t index, std::span<const double> across) {
        last_ = index;
        if (across[index] < across[low_]) low_ = index;
        if (across[index] > across[high_]) high_ = index;
    }
    void appendTo(std::vector<std::size_t>& kept) const {
        std::array<std::size_t, 4> indices{first_, low_, high_, last_};
        std::sort(indices.begin(), indices.end());
        for (const std::size_t index : indices) {
            if (kept.empty() || kept.back() != index) kept.push_back(index);
        }
    }

private:
    double row_;
    std::size_t first_;
    std::size_t last_;
    std::size_t low_;
    std::size_t high_;
};

}  // namespace

std::vector<std::size_t> pointsWorthDrawing(std::span<const double> depths,
                                            std::span<const double> across, double depthPerPixel) {
    const std::size_t count = std::min(depths.size(), across.size());
    std::vector<std::size_t> kept;
    if (count == 0) return kept;
    const double pixel = depthPerPixel > 0.0 ? depthPerPixel : 1.0;
    Run run(0, std::floor(depths[0] / pixel));
    for (std::size_t i = 1; i < count; ++i) {
        const double row = std::floor(depths[i] / pixel);
        if (row == run.row()) {
            run.add(i, across);
            continue;
        }
        run.appendTo(kept);
        run = Run(i, row);
    }
    run.appendTo(kept);
    return kept;
}

}  // namespace veltrix
