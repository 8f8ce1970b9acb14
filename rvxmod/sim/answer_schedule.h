#pragma once

#include <optional>
#include <vector>

#include "rvxmod/sim/timed_bytes.h"

namespace rvxmod::sim {

// Answers on their way to the program: each arrives once the tool has turned the request round
// and the bytes have crossed the line at the baud rate in force.
class AnswerSchedule {
public:
    void add(link::Millis now, int baud, std::vector<TimedBytes> answers);
    std::optional<link::Millis> nextDue() const;
    // The bytes of every answer due by `now`, in order of arrival.
    std::vector<std::uint8_t> takeDue(link::Millis now);
    void clear() { pending_.clear(); }

private:
    struct Pending {
        link::Millis due;
        std::vector<std::uint8_t> bytes;
    };
    std::vector<Pending> pending_;  // sorted by due, first come first
};

}  // namespace rvxmod::sim
