#include "rvxmod/calibration/temp_cal.h"

#include <algorithm>
#include <cmath>

namespace rvxmod {

TTempCal::TTempCal() {
    prepareWeights();
}

rvx::Status TTempCal::setDatFileName(const std::filesystem::path& path) {
    counts_.clear();
    temperatures_.clear();
    const rvx::Result<TdatFile> file = readTdatFile(path);
    if (!file) {
        prepareWeights();
        return file.error();
    }
    setTable(*file);
    datFileName_ = path.string();
    return rvx::ok();
}

void TTempCal::setTable(const TdatFile& file) {
    std::vector<TdatPoint> points = file.points;
    // Equal counts keep their file order.
    std::ranges::stable_sort(points, std::ranges::less{}, &TdatPoint::count);
    counts_.clear();
    temperatures_.clear();
    for (const TdatPoint& point : points) {
        counts_.push_back(point.count);
        temperatures_.push_back(point.temperature);
    }
    prepareWeights();
}

void TTempCal::setPrecisionLevel(int level) {
    precisionLevel_ = std::max(level, 1);
    prepareWeights();
}

void TTempCal::setPrecisionRate(int rate) {
    precisionRate_ = std::max(rate, 1);
    prepareWeights();
}

// Only as many weights as the table can use: m never exceeds half the table plus one, and the
// advanced blend never reaches past the table.
void TTempCal::prepareWeights() {
    const std::size_t level = static_cast<std::size_t>(precisionLevel_);
    const std::size_t maxSpan = std::min(level, counts_.size() / 2 + 1);
    symmetricWeights_.assign(maxSpan + 1, {});
    for (std::size_t m = 1; m <= maxSpan; ++m)
        for (std::size_t t = 0; t < m; ++t)
            symmetricWeights_[m].push_back(
                std::pow(static_cast<double>(m - t) / static_cast<double>(m), precisionRate_));
    advancedWeights_.clear();
    for (std::size_t i = 0; i < std::min(level, counts_.size()); ++i)
        advancedWeights_.push_back(
            std::pow(static_cast<double>(level - i) / static_cast<double>(level), precisionRate_));
}

double TTempCal::line(std::size_t a, std::size_t b, double x) const {
    return (temperatures_[b] - temperatures_[a]) / (counts_[b] - counts_[a]) * (x - counts_[b]) +
           temperatures_[b];
}

// Segments widen symmetrically around x; the innermost weighs most.
double TTempCal::blendSymmetric(std::size_t lo, std::size_t hi, double x) const {
    const std::size_t n = counts_.size();
    const std::size_t m = std::min({static_cast<std::size_t>(precisionLevel_), n - hi, lo + 1});
    const std::vector<double>& weights = symmetricWeights_[m];
    double weighted = 0.0;
    double total = 0.0;
    for (std::size_t t = 0; t < m; ++t) {
        weighted += weights[t] * line(lo - t, hi + t, x);
        total += weights[t];
    }
    return weighted / total;
}

// Every pair of a point at or below lo and one at or above hi, weighted by the offset of the
// nearer-ranked side.
double TTempCal::blendAdvanced(std::size_t lo, std::size_t hi, double x) const {
    const std::size_t n = counts_.size();
    const std::size_t level = static_cast<std::size_t>(precisionLevel_);
    double weighted = 0.0;
    double total = 0.0;
    for (std::size_t i = 0; i < level && hi + i < n && i <= lo; ++i) {
        const double weight = advancedWeights_[i];
        for (std::size_t j = 0; j < level && (j <= lo || hi + j < n); ++j) {
            if (j <= lo) {
                weighted += weight * line(lo - j, hi + i, x);
                total += weight;
            }
            if (hi + j < n && (i != 0 || j != 0)) {
                weighted += weight * line(lo - i, hi + j, x);
                total += weight;
            }
        }
    }
    return weighted / total;
}

std::optional<double> TTempCal::Convert(double count) const {
    const std::size_t n = counts_.size();
    if (n < 2) return std::nullopt;
    std::size_t lo = 0;
    std::size_t hi = n - 1;
    if (count < counts_.front()) {
        hi = 1;
    } else if (count > counts_.back()) {
        lo = n - 2;
    } else {
        while (lo + 1 < hi) {
            const std::size_t mid = lo + (hi - lo) / 2;
            if (count >= counts_[mid])
                lo = mid;
            else
                hi = mid;
        }
    }
    // Any value other than the two blends converts with the single line.
    const double result = precision_ == TPrec::PrecisionOn      ? blendSymmetric(lo, hi, count)
                          : precision_ == TPrec::PrecisionOnAdv ? blendAdvanced(lo, hi, count)
                                                                : line(lo, hi, count);
    if (!std::isfinite(result)) return std::nullopt;
    return result;
}

}  // namespace rvxmod
