#pragma once

namespace rvxmod::geometry {

inline constexpr int kBlockSize = 8192;        // bytes per memory block and per block answer
inline constexpr int kHeaderLineSize = 64;     // block header bytes at the start of a data block
inline constexpr int kLineSize = 64;           // bytes per memory line
inline constexpr int kBlocksPerSector = 256;
inline constexpr int kMaxChips = 8;
inline constexpr int kLiveSampleWarmUp = 2;    // live samples received before display starts
inline constexpr int kRecordTrailerBytes = 3;  // bytes of a sample record beyond the tools' data

}  // namespace rvxmod::geometry
