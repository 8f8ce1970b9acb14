#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "rvxmod/sim/flash_image.h"

namespace rvxmod::sim {

// A tool whose samples a job records.
struct RecordedTool {
    std::uint8_t type = 0;
    std::uint16_t serialNumber = 0;
};

// Part of a job during which the same tools record: a tool that drops out or joins mid-job
// starts a new segment, which begins at a new block.
struct JobSegment {
    std::vector<RecordedTool> tools;
    int samples = 0;
};

struct JobRecording {
    std::vector<JobSegment> segments;
    std::uint32_t firstTime = 0;  // tenths of a second; below 65536, the job start's time word is 0
    std::uint32_t intervalTenths = 10;  // between two samples
};

// Where a recorded job lies in flash.
struct RecordedJob {
    FlashAddress first;
    FlashAddress last;
    int blocks = 0;  // blocks written, bad blocks not counted
};

// Writes jobs as the memory module records them, one after another from block 8 of chip 0,
// sector 0: a block header (recorded mark, 32-bit time of the block's first record, erased bytes
// 5..15 in a job's first block, the tools' entries), then sample records (length - 1, 16-bit time
// counter that wraps, one group per tool) packed across blocks. Reserved blocks, the last block of
// every chip and bad blocks are stepped over.
class JobRecorder {
public:
    // The first job starts at `from` or the first usable block after it.
    explicit JobRecorder(FlashImage& flash, FlashAddress from = {0, 0, 8, 0})
        : flash_(flash), next_(from) {}

    // Records the job at the next free block; nothing when the memory is full before it ends.
    std::optional<RecordedJob> record(const JobRecording& job);

    // The block the next job starts at.
    const FlashAddress& nextBlock() const { return next_; }

private:
    std::optional<FlashAddress> usableFrom(FlashAddress address) const;

    FlashImage& flash_;
    FlashAddress next_;
};

}  // namespace rvxmod::sim
