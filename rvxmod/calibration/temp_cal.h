#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "common/result.h"
#include "rvxmod/calibration/cal_file.h"

namespace rvxmod {

enum class TPrec { None = 0, PrecisionOn = 1, PrecisionOnAdv = 2 };

// RTD counts to degrees C along the calibration table of a .tdat file: one straight line through
// the two bracketing points, or a weighted blend of lines through points farther out.
class TTempCal {
public:
    TTempCal();

    const std::string& DatFileName() const { return datFileName_; }
    // Loads the table of the file; on failure the table is left empty and the name unchanged.
    rvx::Status setDatFileName(const std::filesystem::path& path);
    void setTable(const TdatFile& file);

    int PrecisionLevel() const { return precisionLevel_; }
    int PrecisionRate() const { return precisionRate_; }
    TPrec Precision() const { return precision_; }
    void setPrecisionLevel(int level);  // 0 or less is stored as 1
    void setPrecisionRate(int rate);    // 0 or less is stored as 1
    void setPrecision(TPrec precision) { precision_ = precision; }

    std::size_t pointCount() const { return counts_.size(); }

    // No value for a table of fewer than two points, or where equal counts make a line undefined.
    std::optional<double> Convert(double count) const;

private:
    double line(std::size_t a, std::size_t b, double x) const;
    double blendSymmetric(std::size_t lo, std::size_t hi, double x) const;
    double blendAdvanced(std::size_t lo, std::size_t hi, double x) const;
    void prepareWeights();

    std::string datFileName_;
    int precisionLevel_ = 4;
    int precisionRate_ = 10;
    TPrec precision_ = TPrec::PrecisionOn;
    std::vector<double> counts_;        // ascending
    std::vector<double> temperatures_;  // temperatures_[k] belongs to counts_[k]
    // Blend weights divided by the largest one, so high rates cannot overflow:
    // symmetricWeights_[m][t] = ((m - t) / m)^rate, advancedWeights_[i] = ((L - i) / L)^rate.
    std::vector<std::vector<double>> symmetricWeights_;
    std::vector<double> advancedWeights_;
};

}  // namespace rvxmod
