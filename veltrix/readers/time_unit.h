#pragma once

#include <string_view>

namespace veltrix {

// How the times of a depth file's data lines are written, from the time unit token.
enum class TimeUnit {
    Seconds,   // elapsed seconds since the start
    Hours,     // elapsed hours since the start
    RealTime,  // a date and a time of day
    None       // an unknown token: no time is derived, every point gets time 0
};

TimeUnit timeUnitOf(std::string_view token);

}  // namespace veltrix
