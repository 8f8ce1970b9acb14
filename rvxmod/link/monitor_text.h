#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace rvxmod::link {

// One line of the received-data monitor: every byte as two upper-case hexadecimal digits, no
// separators.
std::string receivedDataLine(std::span<const std::uint8_t> bytes);

}  // namespace rvxmod::link
