#include "rvxmod/link/monitor_text.h"

namespace rvxmod::link {

std::string receivedDataLine(std::span<const std::uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string line;
    line.reserve(bytes.size() * 2);
    for (const std::uint8_t byte : bytes) {
        line += kDigits[byte >> 4];
        line += kDigits[byte & 0x0F];
    }
    return line;
}

}  // namespace rvxmod::link
