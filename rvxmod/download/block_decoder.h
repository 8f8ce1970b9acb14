#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "rvxmod/download/record_clock.h"
#include "rvxmod/download/sector_samples.h"
#include "rvxmod/model/tool_string.h"

namespace rvxmod {

// How the walk over a block's records ended.
enum class BlockEnd {
    BlockDone,    // every record decoded; a record cut by the block's end waits for the next block
    DataEnded,    // the end-of-data marker (five 0xFF bytes where a record should start)
    Undecodable,  // a listed tool has no decoder: the rest of the block is not decoded
    Unframed,     // a length byte that is not a record's ran past the block's end
};

// Decodes the sample records of one job's memory blocks into the sector's sample table. One
// decoder per job download: it carries a record split across two blocks from one block to the
// next, together with the tool list and time base of the block the record began in.
class JobBlockDecoder {
public:
    // block: the whole 8192-byte block just read. headerOrder: the job tool indices of the tools
    // the block header lists, in header order (as the per-block tool string update leaves them),
    // with job.RecordSize set for this block. Counts every decoded record in job.SamplesDecoded
    // (the sample's index in the sector plus one) and job.JobSampleCount.
    BlockEnd ProcessResponse_Download(std::span<const std::uint8_t> block,
                                      std::span<const int> headerOrder, jobObj& job,
                                      SectorSamples& samples);

private:
    struct ListedTool {
        std::size_t toolIndex;
        std::uint32_t toolType;
        std::size_t groupBytes;
    };
    struct RecordLayout {
        std::vector<ListedTool> tools;
        std::size_t recordSize = 0;
        bool framed = false;  // the groups exactly fill the record after its three header bytes
    };

    static RecordLayout layoutOf(std::span<const int> headerOrder, const jobObj& job);
    static bool decodeRecord(std::span<const std::uint8_t> record, const RecordLayout& layout,
                             RecordClock& clock, jobObj& job, SectorSamples& samples);

    // The start of a record cut by the end of the previous block, with what decodes it.
    std::vector<std::uint8_t> splitHead_;
    RecordLayout splitLayout_;
    RecordClock splitClock_;
};

}  // namespace rvxmod
