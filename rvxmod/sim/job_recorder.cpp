#include "rvxmod/sim/job_recorder.h"

#include <algorithm>

#include "rvxmod/model/tool_types.h"

namespace rvxmod::sim {

namespace {

constexpr std::size_t kHeaderBytes = 64;
constexpr std::size_t kToolsOffset = 16;
constexpr std::size_t kJobStartFillFirst = 5;
constexpr std::uint8_t kRecordedMark = 0x37;
constexpr int kReservedBlocks = 8;
constexpr int kChannelBytes = 3;

using Bytes = std::vector<std::uint8_t>;

struct PendingRecord {
    std::size_t segment = 0;
    std::uint32_t time = 0;
    Bytes bytes;
};

void putBigEndian(Bytes::iterator out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out[i] = static_cast<std::uint8_t>(value >> (8 * (bytes - 1 - i)));
}

// A tool's group: a byte the program does not interpret, then 24-bit channels and, when two
// bytes are left, a 16-bit one; the counts drift with the sample so every record differs.
Bytes groupOf(const RecordedTool& tool, int sample) {
    Bytes group(static_cast<std::size_t>(toolTypeInfo(tool.type).jobSampleBytes), 0);
    if (group.empty()) return group;
    group[0] = tool.type;
    std::size_t offset = 1;
    for (std::uint32_t channel = 1; offset < group.size(); ++channel) {
        const int width = std::min<int>(kChannelBytes, static_cast<int>(group.size() - offset));
        const std::uint32_t base = (tool.serialNumber + channel * 0x1111U) << 4;
        putBigEndian(group.begin() + static_cast<long>(offset),
                     base + static_cast<std::uint32_t>(sample) * channel, width);
        offset += static_cast<std::size_t>(width);
    }
    return group;
}

Bytes recordOf(const std::vector<RecordedTool>& tools, int sample, std::uint32_t time) {
    Bytes record(3, 0);
    for (const RecordedTool& tool : tools) {
        const Bytes group = groupOf(tool, sample);
        record.insert(record.end(), group.begin(), group.end());
    }
    record[0] = static_cast<std::uint8_t>(record.size() - 1);
    putBigEndian(record.begin() + 1, time & 0xFFFFU, 2);
    return record;
}

Bytes headerOf(const std::vector<RecordedTool>& tools, std::uint32_t time, bool jobStart) {
    Bytes header(kHeaderBytes, 0xFF);
    header[0] = kRecordedMark;
    putBigEndian(header.begin() + 1, jobStart ? 0 : time, 4);
    if (!jobStart) std::fill(header.begin() + kJobStartFillFirst, header.begin() + kToolsOffset, 0);
    auto entry = header.begin() + kToolsOffset;
    for (const RecordedTool& tool : tools) {
        if (entry == header.end()) break;
        entry[0] = tool.type;
        putBigEndian(entry + 1, tool.serialNumber, 2);
        entry += 3;
    }
    return header;
}

std::vector<PendingRecord> recordsOf(const JobRecording& job) {
    std::vector<PendingRecord> records;
    int sample = 0;
    for (std::size_t s = 0; s < job.segments.size(); ++s) {
        for (int i = 0; i < job.segments[s].samples; ++i, ++sample) {
            const std::uint32_t time =
                job.firstTime + static_cast<std::uint32_t>(sample) * job.intervalTenths;
            records.push_back({s, time, recordOf(job.segments[s].tools, sample, time)});
        }
    }
    return records;
}

// The block being filled.
class OpenBlock {
public:
    void open(const FlashAddress& at, Bytes header, std::size_t segment) {
        at_ = at;
        bytes_.assign(FlashImage::kBlockBytes, 0xFF);
        std::copy(header.begin(), header.end(), bytes_.begin());
        offset_ = kHeaderBytes;
        segment_ = segment;
    }
    // Copies as much as fits; returns the bytes that did not.
    std::size_t put(const Bytes& bytes, std::size_t from) {
        const std::size_t n = std::min(bytes.size() - from, bytes_.size() - offset_);
        std::copy_n(bytes.begin() + static_cast<long>(from), n,
                    bytes_.begin() + static_cast<long>(offset_));
        offset_ += n;
        return from + n;
    }
    bool full() const { return offset_ == bytes_.size(); }
    std::size_t segment() const { return segment_; }
    const FlashAddress& at() const { return at_; }

    void writeTo(FlashImage& flash) const {
        for (int line = 0; line < FlashImage::kLinesPerBlock; ++line) {
            const auto first = bytes_.begin() + line * FlashImage::kLineBytes;
            flash.writeLine({at_.chip, at_.sector, at_.block, line},
                            std::span(&*first, FlashImage::kLineBytes));
        }
    }

private:
    FlashAddress at_;
    Bytes bytes_;
    std::size_t offset_ = 0;
    std::size_t segment_ = 0;
};

}  // namespace

std::optional<FlashAddress> JobRecorder::usableFrom(FlashAddress at) const {
    for (; at.chip < static_cast<int>(kChipSlots); ++at.chip, at.sector = 0, at.block = 0) {
        const int sectors = flash_.sectorsOf(at.chip);
        for (; at.sector < sectors; ++at.sector, at.block = 0) {
            for (; at.block < FlashImage::kBlocksPerSector; ++at.block) {
                const bool reserved = at.chip == 0 && at.sector == 0 && at.block < kReservedBlocks;
                const bool lastOfChip =
                    at.sector == sectors - 1 && at.block == FlashImage::kBlocksPerSector - 1;
                if (!reserved && !lastOfChip && !flash_.isBad(at)) return at;
            }
        }
    }
    return std::nullopt;
}

std::optional<RecordedJob> JobRecorder::record(const JobRecording& job) {
    const std::vector<PendingRecord> records = recordsOf(job);
    auto at = usableFrom(next_);
    if (!at || job.segments.empty()) return std::nullopt;
    RecordedJob written{*at, *at, 0};
    OpenBlock block;
    const auto startNext = [&](std::size_t segment, std::uint32_t time) {
        block.writeTo(flash_);
        ++written.blocks;
        written.last = block.at();
        FlashAddress after = block.at();
        ++after.block;
        at = usableFrom(after);
        if (at) block.open(*at, headerOf(job.segments[segment].tools, time, false), segment);
        return at.has_value();
    };
    block.open(*at, headerOf(job.segments.front().tools, 0, true), 0);
    for (std::size_t r = 0; r < records.size(); ++r) {
        const PendingRecord& record = records[r];
        if ((record.segment != block.segment() || block.full()) &&
            !startNext(record.segment, record.time)) {
            return std::nullopt;
        }
        std::size_t done = block.put(record.bytes, 0);
        if (done < record.bytes.size()) {
            // The record goes on at byte 64 of the next block, whose header belongs to the record
            // that starts there.
            const PendingRecord& following = r + 1 < records.size() ? records[r + 1] : record;
            if (!startNext(following.segment, following.time)) return std::nullopt;
            block.put(record.bytes, done);
        }
    }
    block.writeTo(flash_);
    ++written.blocks;
    written.last = block.at();
    next_ = block.at();
    ++next_.block;
    return written;
}

}  // namespace rvxmod::sim
