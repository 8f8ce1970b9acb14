#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "rvxmod/model/memory_geometry.h"

// Builds memory blocks the way a tool records them, for tests and benchmarks of the decoder.
namespace rvxmod::testing {

using Bytes = std::vector<std::uint8_t>;

inline void put24(Bytes& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value >> 16));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
    out.push_back(static_cast<std::uint8_t>(value));
}

inline void put16(Bytes& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value >> 8));
    out.push_back(static_cast<std::uint8_t>(value));
}

// Tool groups; their first byte is not interpreted, 0xA5 makes that visible.
inline Bytes cclGroup(std::uint32_t count) {
    Bytes group{0xA5};
    put24(group, count);
    return group;
}
inline Bytes rtdGroup(std::uint32_t count) {
    return cclGroup(count);
}
inline Bytes piezoGroup(std::uint32_t rawPressure, std::uint32_t rawTemperature) {
    Bytes group{0xA5};
    put24(group, rawPressure);
    put24(group, rawTemperature);
    return group;
}
inline Bytes rarodGroup(std::uint32_t rawPressure, std::uint32_t rawTemperature,
                        std::int16_t spinner) {
    Bytes group = piezoGroup(rawPressure, rawTemperature);
    put16(group, static_cast<std::uint16_t>(spinner));
    return group;
}
inline Bytes spinnerGroup(std::uint16_t count) {
    Bytes group{0xA5};
    put16(group, count);
    return group;
}

// One sample record: length - 1, 16-bit time counter, the tool groups in header order.
inline Bytes record(std::uint16_t counter, std::initializer_list<Bytes> groups) {
    Bytes out{0, 0, 0};
    for (const Bytes& group : groups) out.insert(out.end(), group.begin(), group.end());
    out[0] = static_cast<std::uint8_t>(out.size() - 1);
    out[1] = static_cast<std::uint8_t>(counter >> 8);
    out[2] = static_cast<std::uint8_t>(counter);
    return out;
}

// A block header: recorded-block mark, time word, the rest erased (tool entries are not read
// by the decoder; the per-block tool list is given to it separately).
inline Bytes blockHeader(std::uint16_t timeWord) {
    Bytes header(geometry::kHeaderLineSize, 0xFF);
    header[0] = 0x37;
    header[1] = static_cast<std::uint8_t>(timeWord >> 8);
    header[2] = static_cast<std::uint8_t>(timeWord);
    header[3] = 0;
    header[4] = 0;
    return header;
}

// Cuts a stream of records into whole blocks: each block's data area continues the stream where
// the previous one stopped; after the stream the memory reads erased (0xFF).
inline std::vector<Bytes> blocksOf(const Bytes& stream, std::uint16_t timeWord) {
    constexpr std::size_t kDataBytes = geometry::kBlockSize - geometry::kHeaderLineSize;
    std::vector<Bytes> blocks;
    std::size_t offset = 0;
    do {
        Bytes block = blockHeader(timeWord);
        const std::size_t take = std::min(kDataBytes, stream.size() - offset);
        block.insert(block.end(), stream.begin() + static_cast<long>(offset),
                     stream.begin() + static_cast<long>(offset + take));
        block.resize(geometry::kBlockSize, 0xFF);
        blocks.push_back(std::move(block));
        offset += take;
    } while (offset < stream.size());
    return blocks;
}

}  // namespace rvxmod::testing
