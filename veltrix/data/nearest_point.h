#pragma once

#include <cstddef>
#include <span>

namespace veltrix {

// Screen position of a value on a linear chart axis.
struct AxisScale {
    double pixelOfZero = 0.0;
    double pixelsPerUnit = 1.0;

    double toPixel(double value) const { return pixelOfZero + value * pixelsPerUnit; }
};

// Index of the first value at or after `key`, or keys.size() when there is none. Sorted keys
// (ascending) are searched by halving; keys in any other order one by one.
std::size_t firstAtOrAfter(std::span<const double> keys, double key, bool keysSorted);

// The best screen distance found so far; shared when several series are searched in turn, so the
// nearest of them wins.
struct PickState {
    double bestDistance = 100'000'000.0;
};

// Which index a successful search answers: time charts answer the point before the one found,
// depth charts the point itself.
enum class PickedIndex { PointBefore, PointItself };

struct PickQuery {
    double mouseKey = 0.0;          // the key under the mouse (time or depth)
    double mouseAcrossPixel = 0.0;  // the mouse position across the key axis, in pixels
    AxisScale across;               // how values across the key axis map to pixels
    PickedIndex picked = PickedIndex::PointBefore;
};

// The point of a series under the mouse along its key axis: the first point whose key is at or
// after the mouse's, accepted only when its distance across is strictly smaller than the best so
// far (which it then becomes). Answers the picked index, or -1 when nothing is accepted.
long nearestAlongKey(std::span<const double> keys, std::span<const double> acrossValues,
                     bool keysSorted, const PickQuery& query, PickState& state);

}  // namespace veltrix
