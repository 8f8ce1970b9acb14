#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "rvxmod/model/tool_string.h"

namespace rvxmod {

// Marks a value the tool did not record for a sample.
inline constexpr std::int32_t kMissingValue = -99'999'999;

// One decoded sample of one tool. Time is in tenths of a second since the job start; it is kept
// 64-bit so a late block header time word cannot overflow it.
struct SampleRecord {
    std::int32_t raw1 = kMissingValue;  // raw pressure value; ZizorIrediz value 1
    std::int32_t raw2 = kMissingValue;  // raw temperature value; ZizorIrediz value 2
    std::int32_t rtd = kMissingValue;   // RTD count; ZizorIrediz value 3
    std::int32_t ccl = kMissingValue;   // CCL count
    double spinner = kMissingValue;     // spinner value; ZizorIrediz value 4
    std::int64_t time = 0;
};

// The samples decoded from one memory sector, one column per tool of the job's tool string.
// Columns grow with the samples actually decoded instead of being allocated for the largest
// possible sector, so a full chip image downloads in a few tens of megabytes.
class SectorSamples {
public:
    // Empties every column and sizes the table for a tool string of toolCount tools.
    void reset(std::size_t toolCount);
    // Gives the tool a fresh column of missing samples (a tool that joined the string mid-job).
    void resetTool(std::size_t toolIndex);

    // Adds one sample to every column, all values missing; returns its index.
    std::size_t appendSample();
    // Stores the tool's sample; a tool without a column yet gets one first.
    void store(std::size_t toolIndex, std::size_t sampleIndex, const SampleRecord& sample);
    // A tool without a column and a sample not decoded read as missing.
    const SampleRecord& at(std::size_t toolIndex, std::size_t sampleIndex) const;

    std::size_t sampleCount() const { return sampleCount_; }
    std::size_t toolCount() const { return columns_.size(); }

private:
    std::vector<std::vector<SampleRecord>> columns_;
    std::size_t sampleCount_ = 0;
};

// Starts a memory sector: an empty table for the job's tool string and no samples decoded.
void ResetDataArrays(jobObj& job, SectorSamples& samples);

}  // namespace rvxmod
