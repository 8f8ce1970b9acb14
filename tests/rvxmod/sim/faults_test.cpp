#include <gtest/gtest.h>

#include <numeric>

#include "rvxmod/link/frame.h"
#include "rvxmod/link/port.h"
#include "rvxmod/sim/answer_schedule.h"
#include "rvxmod/sim/fault_injector.h"

namespace rvxmod::sim {
namespace {

using Bytes = std::vector<std::uint8_t>;
using link::Millis;

TEST(FaultSpec, ParsesEveryFaultAndTheSeed) {
    const auto faults =
        parseFaultSpec("noise=0.02,corrupt=0.03,drop=0.01,delay=0.04,split=0.1,seed=7");
    ASSERT_TRUE(faults.ok());
    EXPECT_DOUBLE_EQ(faults->noise, 0.02);
    EXPECT_DOUBLE_EQ(faults->corrupt, 0.03);
    EXPECT_DOUBLE_EQ(faults->drop, 0.01);
    EXPECT_DOUBLE_EQ(faults->delay, 0.04);
    EXPECT_DOUBLE_EQ(faults->split, 0.1);
    EXPECT_EQ(faults->seed, 7u);
    for (const char* bad : {"noise", "noise=2", "jitter=0.1", "drop=0.1,,", "seed=-1", "split=x"}) {
        EXPECT_FALSE(parseFaultSpec(bad).ok()) << bad;
    }
}

std::vector<TimedBytes> oneAnswer() {
    Bytes payload(40);
    std::iota(payload.begin(), payload.end(), 1);
    return {{Millis{0}, link::answerFrame(0x02, payload)}};
}

Bytes concatenated(const std::vector<TimedBytes>& pieces) {
    Bytes all;
    for (const TimedBytes& piece : pieces)
        all.insert(all.end(), piece.bytes.begin(), piece.bytes.end());
    return all;
}

TEST(FaultInjector, EachFaultChangesTheAnswerAsNamed) {
    const Bytes original = oneAnswer()[0].bytes;
    EXPECT_TRUE(FaultInjector({.drop = 1}).apply(oneAnswer()).empty());

    const auto corrupted = FaultInjector({.corrupt = 1}).apply(oneAnswer());
    ASSERT_EQ(corrupted.size(), 1u);
    EXPECT_NE(link::xorOf(std::span(corrupted[0].bytes).subspan(2)), 0);

    const auto noisy = concatenated(FaultInjector({.noise = 1}).apply(oneAnswer()));
    ASSERT_GT(noisy.size(), original.size());
    EXPECT_TRUE(std::equal(original.rbegin(), original.rend(), noisy.rbegin()));

    const auto late = FaultInjector({.delay = 1}).apply(oneAnswer());
    EXPECT_GE(late.at(0).after, Millis{1000});

    const auto pieces = FaultInjector({.split = 1}).apply(oneAnswer());
    EXPECT_GE(pieces.size(), 2u);
    EXPECT_EQ(concatenated(pieces), original);
    EXPECT_EQ(FaultInjector({}).apply(oneAnswer()).at(0).bytes, original);
}

TEST(AnswerSchedule, AnswersArriveAfterTheirTimeOnTheLine) {
    AnswerSchedule schedule;
    schedule.add(Millis{100}, link::kFallbackBaud, {{Millis{0}, Bytes(1920, 0x37)}});
    // 1920 bytes of 10 bits at 19200 baud take one second.
    EXPECT_TRUE(schedule.takeDue(Millis{1000}).empty());
    EXPECT_EQ(schedule.nextDue(), Millis{1101});
    EXPECT_EQ(schedule.takeDue(Millis{1101}).size(), 1920u);
    EXPECT_FALSE(schedule.nextDue());
}

}  // namespace
}  // namespace rvxmod::sim
