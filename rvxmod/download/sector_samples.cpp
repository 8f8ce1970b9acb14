#include "rvxmod/download/sector_samples.h"

namespace rvxmod {

void SectorSamples::reset(std::size_t toolCount) {
    columns_.assign(toolCount, {});
    sampleCount_ = 0;
}

void SectorSamples::resetTool(std::size_t toolIndex) {
    if (toolIndex >= columns_.size()) columns_.resize(toolIndex + 1);
    for (auto& column : columns_) column.resize(sampleCount_);
    columns_[toolIndex].assign(sampleCount_, SampleRecord{});
}

std::size_t SectorSamples::appendSample() {
    for (auto& column : columns_) column.emplace_back();
    return sampleCount_++;
}

void SectorSamples::store(std::size_t toolIndex, std::size_t sampleIndex,
                          const SampleRecord& sample) {
    if (toolIndex >= columns_.size()) resetTool(toolIndex);
    if (sampleIndex < sampleCount_) columns_[toolIndex][sampleIndex] = sample;
}

const SampleRecord& SectorSamples::at(std::size_t toolIndex, std::size_t sampleIndex) const {
    static const SampleRecord missing;
    if (toolIndex >= columns_.size() || sampleIndex >= columns_[toolIndex].size()) return missing;
    return columns_[toolIndex][sampleIndex];
}

void ResetDataArrays(jobObj& job, SectorSamples& samples) {
    samples.reset(job.Tools.size());
    job.SamplesDecoded = 0;
}

}  // namespace rvxmod
