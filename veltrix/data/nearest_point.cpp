#include "veltrix/data/nearest_point.h"

#include <algorithm>
#include <cmath>

namespace veltrix {

std::size_t firstAtOrAfter(std::span<const double> keys, double key, bool keysSorted) {
    const auto found = keysSorted ? std::lower_bound(keys.begin(), keys.end(), key)
                                  : std::find_if(keys.begin(), keys.end(),
                                                 [key](double value) { return value >= key; });
    return static_cast<std::size_t>(found - keys.begin());
}

long nearestAlongKey(std::span<const double> keys, std::span<const double> acrossValues,
                     bool keysSorted, const PickQuery& query, PickState& state) {
    const std::size_t count = std::min(keys.size(), acrossValues.size());
    const std::size_t index = firstAtOrAfter(keys.first(count), query.mouseKey, keysSorted);
    if (index == count) return -1;
    const double distance =
        std::abs(query.across.toPixel(acrossValues[index]) - query.mouseAcrossPixel);
    if (!(distance < state.bestDistance)) return -1;
    state.bestDistance = distance;
    const long found = static_cast<long>(index);
    return query.picked == PickedIndex::PointBefore ? std::max(found - 1, 0L) : found;
}

}  // namespace veltrix
