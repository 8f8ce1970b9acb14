#pragma once

#include <random>
#include <string_view>
#include <vector>

#include "common/result.h"
#include "rvxmod/sim/timed_bytes.h"

namespace rvxmod::sim {

// Chance per answer of each fault.
struct FaultSpec {
    double noise = 0;    // random bytes before the answer
    double corrupt = 0;  // a wrong check byte
    double drop = 0;     // no answer at all
    double delay = 0;    // the answer comes too late for the command's time-out
    double split = 0;    // the answer arrives in several pieces
    unsigned seed = 1;
};

// "noise=0.02,corrupt=0.02,drop=0.01,delay=0.01,split=0.1,seed=7"; unnamed faults stay 0.
rvx::Result<FaultSpec> parseFaultSpec(std::string_view text);

class FaultInjector {
public:
    explicit FaultInjector(const FaultSpec& faults) : faults_(faults), random_(faults.seed) {}

    std::vector<TimedBytes> apply(std::vector<TimedBytes> answers);

private:
    bool happens(double chance);
    void appendSplit(std::vector<TimedBytes>& out, TimedBytes answer);

    FaultSpec faults_;
    std::mt19937 random_;
};

}  // namespace rvxmod::sim
