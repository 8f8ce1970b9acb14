#pragma once

namespace rvxmod {

// The two "Time Data Filter" boxes: exactly one of them is checked at any time.
enum class TimeFilter { None, Mins };

// The choice after the person checks or unchecks one box. Unchecking the checked box does not
// leave both empty: it stays the choice and is checked again.
constexpr TimeFilter afterTimeFilterToggle(TimeFilter current, TimeFilter box, bool checked) {
    return checked ? box : current;
}

}  // namespace rvxmod
