#include "rvxmod/sim/answer_schedule.h"

#include <algorithm>

namespace rvxmod::sim {

namespace {
constexpr link::Millis kTurnaround{1};
constexpr std::int64_t kBitsPerByte = 10;  // start, 8 data, stop
}  // namespace

void AnswerSchedule::add(link::Millis now, int baud, std::vector<TimedBytes> answers) {
    for (TimedBytes& answer : answers) {
        const auto bits = static_cast<std::int64_t>(answer.bytes.size()) * kBitsPerByte;
        const link::Millis transfer{baud > 0 ? (bits * 1000 + baud - 1) / baud : 0};
        Pending pending{now + kTurnaround + answer.after + transfer, std::move(answer.bytes)};
        const auto place = std::upper_bound(
            pending_.begin(), pending_.end(), pending.due,
            [](link::Millis due, const Pending& other) { return due < other.due; });
        pending_.insert(place, std::move(pending));
    }
}

std::optional<link::Millis> AnswerSchedule::nextDue() const {
    if (pending_.empty()) return std::nullopt;
    return pending_.front().due;
}

std::vector<std::uint8_t> AnswerSchedule::takeDue(link::Millis now) {
    std::vector<std::uint8_t> bytes;
    auto due = pending_.begin();
    for (; due != pending_.end() && due->due <= now; ++due) {
        bytes.insert(bytes.end(), due->bytes.begin(), due->bytes.end());
    }
    pending_.erase(pending_.begin(), due);
    return bytes;
}

}  // namespace rvxmod::sim
