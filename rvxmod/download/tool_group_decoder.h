#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "rvxmod/download/sector_samples.h"

namespace rvxmod {

// The download stores a RarodIdirura spinner word as s / 12 * 10; live sampling shows s / 12.
enum class DecodeUse { Download, LiveSample };

// Decodes one tool's group of a sample record (byte 0 of the group is not interpreted, values
// follow most significant byte first). Fields the tool does not record stay missing and the time
// is left for the caller. No value for a type that has no decoder or a group too short for it.
std::optional<SampleRecord> decodeToolGroup(std::uint32_t toolType,
                                            std::span<const std::uint8_t> group, DecodeUse use);

}  // namespace rvxmod
