#pragma once

#include <chrono>

namespace rvxmod::link {

using Millis = std::chrono::milliseconds;

// Every wait, time-out and pause of the link goes through a clock, so tests can run the tool
// conversation on virtual time.
class Clock {
public:
    virtual ~Clock() = default;
    // Time since an arbitrary, fixed origin.
    virtual Millis now() const = 0;
    virtual void sleepFor(Millis duration) = 0;
};

// Wall-clock time of the machine (monotonic).
class SteadyClock final : public Clock {
public:
    Millis now() const override;
    void sleepFor(Millis duration) override;
};

// Time that only moves when told to: sleeping and waiting advance it at once.
class VirtualClock final : public Clock {
public:
    Millis now() const override { return now_; }
    void sleepFor(Millis duration) override { now_ += duration; }
    void advanceTo(Millis time) {
        if (time > now_) now_ = time;
    }

private:
    Millis now_{0};
};

}  // namespace rvxmod::link
