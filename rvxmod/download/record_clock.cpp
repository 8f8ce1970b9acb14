#include "rvxmod/download/record_clock.h"

namespace rvxmod {

std::int64_t RecordClock::timeOf(std::uint16_t counter) {
    if (previous_ && counter < *previous_) ++wraps_;
    previous_ = counter;
    return (timeWord_ + wraps_) * 65536 + counter;
}

}  // namespace rvxmod
