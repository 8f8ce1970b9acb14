#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "common/date_time.h"
#include "rvxmod/download/rvx_columns.h"
#include "rvxmod/download/rvx_output_options.h"
#include "rvxmod/download/sample_converter.h"
#include "rvxmod/download/sector_samples.h"

namespace rvxmod {

// Builds the data lines of one kind of file (raw counts or real values) for a tool string.
class DataLineBuilder {
public:
    // The references must outlive the builder.
    DataLineBuilder(const TToolChain& tools, const OutputOrder& order, bool realValues,
                    const RvxOutputOptions& options, const SampleConverter& converter,
                    rvx::DateTime jobStart);

    // Appends the line of sample index, time in tenths of a second, with its CR LF.
    void appendLine(std::string& out, const SectorSamples& samples, std::size_t index,
                    std::int64_t time) const;

private:
    void appendTime(std::string& out, std::int64_t time) const;
    void appendRealStandard(std::string& out, const SectorSamples& samples,
                            std::size_t index) const;
    void appendRawStandard(std::string& out, const SectorSamples& samples, std::size_t index) const;
    // addDataString of the file format: the extra columns of one tool.
    void addDataString(std::string& out, std::size_t toolIndex, const SampleRecord& sample) const;
    // In the output unit; no value when the count is missing or cannot be converted.
    std::optional<double> rtdTemperature(std::size_t toolIndex, const SampleRecord& sample) const;
    void appendRealPressureTemperature(std::string& out, std::size_t toolIndex,
                                       const SampleRecord& sample,
                                       std::size_t spacesAfterPressure) const;

    const TToolChain& tools_;
    const OutputOrder& order_;
    bool realValues_;
    const RvxOutputOptions& options_;
    const SampleConverter& converter_;
    rvx::DateTime jobStart_;
};

}  // namespace rvxmod
