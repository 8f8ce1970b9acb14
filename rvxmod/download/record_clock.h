#pragma once

#include <cstdint>
#include <optional>

namespace rvxmod {

// Sample times of the records of one block: (H + w) * 65536 + c tenths of a second, where H is
// the block header's time word, c the record's 16-bit counter and w the number of times the
// counter has gone down since the block's first record.
class RecordClock {
public:
    explicit RecordClock(std::uint16_t headerTimeWord = 0) : timeWord_(headerTimeWord) {}

    // The time of the next record of the block, in block order.
    std::int64_t timeOf(std::uint16_t counter);

private:
    std::int64_t timeWord_;
    std::int64_t wraps_ = 0;
    std::optional<std::uint16_t> previous_;
};

}  // namespace rvxmod
