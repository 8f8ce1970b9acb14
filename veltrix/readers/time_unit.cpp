#include "veltrix/readers/time_unit.h"

#include "common/fixed_text.h"

namespace veltrix {

TimeUnit timeUnitOf(std::string_view token) {
    if (rvx::equalsIgnoringCase(token, "(secs)") || rvx::equalsIgnoringCase(token, "sec")) {
        return TimeUnit::Seconds;
    }
    if (rvx::equalsIgnoringCase(token, "(hours)") || rvx::equalsIgnoringCase(token, "HR")) {
        return TimeUnit::Hours;
    }
    if (rvx::equalsIgnoringCase(token, "(real-time)")) return TimeUnit::RealTime;
    return TimeUnit::None;
}

}  // namespace veltrix
