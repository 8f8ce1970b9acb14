#include "rvxmod/download/block_decoder.h"

#include <algorithm>
#include <ranges>

#include "rvxmod/download/tool_group_decoder.h"
#include "rvxmod/model/memory_geometry.h"

namespace rvxmod {
namespace {

using Bytes = std::span<const std::uint8_t>;

constexpr std::size_t kEndMarkerBytes = 5;

std::uint16_t word16(Bytes bytes, std::size_t first) {
    return static_cast<std::uint16_t>((bytes[first] << 8) | bytes[first + 1]);
}

bool endMarkerAt(Bytes block, std::size_t position) {
    if (position + kEndMarkerBytes > block.size()) return false;
    return std::ranges::all_of(block.subspan(position, kEndMarkerBytes),
                               [](std::uint8_t byte) { return byte == 0xFF; });
}

}  // namespace

JobBlockDecoder::RecordLayout JobBlockDecoder::layoutOf(std::span<const int> headerOrder,
                                                        const jobObj& job) {
    RecordLayout layout;
    layout.recordSize = job.RecordSize > 0 ? static_cast<std::size_t>(job.RecordSize) : 0;
    std::size_t groupBytes = 0;
    bool indicesValid = true;
    for (const int index : headerOrder) {
        if (index < 0 || static_cast<std::size_t>(index) >= job.Tools.size()) {
            indicesValid = false;
            break;
        }
        const ToolObj& tool = job.Tools[static_cast<std::size_t>(index)];
        const auto bytes = static_cast<std::size_t>(std::max(tool.DataLength, 0) + 1);
        layout.tools.push_back({static_cast<std::size_t>(index), tool.ToolType, bytes});
        groupBytes += bytes;
    }
    layout.framed = indicesValid && groupBytes + geometry::kRecordTrailerBytes == layout.recordSize;
    return layout;
}

bool JobBlockDecoder::decodeRecord(Bytes record, const RecordLayout& layout, RecordClock& clock,
                                   jobObj& job, SectorSamples& samples) {
    if (!layout.framed) return false;
    const std::int64_t time = clock.timeOf(word16(record, 1));
    const std::size_t index = samples.appendSample();
    job.SamplesDecoded = static_cast<std::int32_t>(index + 1);
    ++job.JobSampleCount;
    // Groups are taken from the end of the record backwards, as the tools wrote them.
    std::size_t groupEnd = record.size();
    for (const ListedTool& tool : layout.tools | std::views::reverse) {
        groupEnd -= tool.groupBytes;
        auto sample = decodeToolGroup(tool.toolType, record.subspan(groupEnd, tool.groupBytes),
                                      DecodeUse::Download);
        if (!sample) return false;
        sample->time = time;
        samples.store(tool.toolIndex, index, *sample);
    }
    return true;
}

BlockEnd JobBlockDecoder::ProcessResponse_Download(Bytes block, std::span<const int> headerOrder,
                                                   jobObj& job, SectorSamples& samples) {
    std::size_t position = geometry::kHeaderLineSize;
    if (!splitHead_.empty()) {
        // The record begun in the previous block belongs to that block's tools and time base,
        // whatever this block's header lists.
        const std::size_t missing = splitLayout_.recordSize - splitHead_.size();
        const bool completes = position + missing <= block.size();
        if (completes) {
            splitHead_.insert(splitHead_.end(), block.begin() + static_cast<long>(position),
                              block.begin() + static_cast<long>(position + missing));
            position += missing;
        }
        const bool decoded =
            completes && decodeRecord(splitHead_, splitLayout_, splitClock_, job, samples);
        splitHead_.clear();
        if (completes && !decoded) return BlockEnd::Undecodable;
    }
    if (block.size() < geometry::kHeaderLineSize) return BlockEnd::BlockDone;

    const RecordLayout layout = layoutOf(headerOrder, job);
    RecordClock clock(word16(block, 1));
    while (position < block.size()) {
        const std::size_t length = block[position] + std::size_t{1};
        const bool fits = position + length <= block.size();
        if (length == layout.recordSize) {
            if (!fits) {
                splitHead_.assign(block.begin() + static_cast<long>(position), block.end());
                splitLayout_ = layout;
                splitClock_ = clock;
                return BlockEnd::BlockDone;
            }
            if (!decodeRecord(block.subspan(position, length), layout, clock, job, samples))
                return BlockEnd::Undecodable;
        } else if (endMarkerAt(block, position)) {
            return BlockEnd::DataEnded;
        } else if (!fits) {
            return BlockEnd::Unframed;
        }
        position += length;
    }
    return BlockEnd::BlockDone;
}

}  // namespace rvxmod
