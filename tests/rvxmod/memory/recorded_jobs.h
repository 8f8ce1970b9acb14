#pragma once

#include <vector>

#include "rvxmod/model/memory_geometry.h"
#include "rvxmod/model/tool_types.h"
#include "rvxmod/sim/job_recorder.h"

namespace rvxmod::testing {

// The demo tool string's sensors as a job records them.
inline const sim::RecordedTool kGauge{kRarodIdirura, 201};
inline const sim::RecordedTool kRtd{kRTD, 77};
inline const sim::RecordedTool kCcl{kCCL, 310};

inline int recordSizeOf(const std::vector<sim::RecordedTool>& tools) {
    int size = geometry::kRecordTrailerBytes;
    for (const auto& tool : tools) size += toolTypeInfo(tool.type).jobSampleBytes;
    return size;
}

// Samples that end in the blocks-th block of a job: the records fill whole blocks back to back.
inline int samplesFilling(int blocks, const std::vector<sim::RecordedTool>& tools) {
    return blocks * (geometry::kBlockSize - geometry::kHeaderLineSize) / recordSizeOf(tools);
}

inline sim::JobRecording oneSegment(const std::vector<sim::RecordedTool>& tools, int samples) {
    return {{{tools, samples}}, 0, 10};
}

}  // namespace rvxmod::testing
