#pragma once

#include <string>

namespace veltrix {

// Why reading a file ended before its last line.
enum class StopCause {
    StartDate,  // the start date-time could not be parsed: nothing was read
    Time,       // a data line's time could not be converted: the points before it are kept
    Value       // a value column was not a number: the points before it are kept
};

struct ReadStop {
    StopCause cause;
    // The whole message to show.
    std::string message;
};

}  // namespace veltrix
