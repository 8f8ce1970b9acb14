#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>

#include "common/result.h"
#include "rvxmod/download/block_decoder.h"
#include "rvxmod/download/rvx_writer.h"
#include "rvxmod/download/sector_samples.h"

namespace rvxmod {

// The decoding and writing side of one job's download. The download engine walks the job's
// memory blocks and drives it: startSector at each memory sector, decodeBlock for every block it
// read (after updating the job's tool string from the block header), toolJoined when a tool
// came back mid-job, and finishSector at the end of each sector or when the job's data ends.
class JobDownload {
public:
    // file: the chosen data file; job and context must outlive this object.
    JobDownload(std::filesystem::path file, jobObj& job, const RvxFileContext& context);

    void startSector();
    // A tool appended to the job's tool string mid-job starts with missing samples.
    void toolJoined(std::size_t toolIndex);
    BlockEnd decodeBlock(std::span<const std::uint8_t> block, std::span<const int> headerOrder);
    // Appends the sector's samples to the job's file(s); a failure has been shown to the person
    // and stops the download.
    rvx::Status finishSector(bool lastBlockReached);

private:
    std::filesystem::path file_;
    jobObj& job_;
    const RvxFileContext& context_;
    JobBlockDecoder decoder_;
    SectorSamples samples_;
};

}  // namespace rvxmod
