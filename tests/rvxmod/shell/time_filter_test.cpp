#include "rvxmod/shell/time_filter.h"

#include <gtest/gtest.h>

namespace rvxmod {
namespace {

TEST(TimeFilter, ExactlyOneBoxStaysChecked) {
    struct Case {
        TimeFilter current;
        TimeFilter box;
        bool checked;
        TimeFilter expected;
    };
    const Case cases[] = {
        {TimeFilter::None, TimeFilter::Mins, true, TimeFilter::Mins},
        {TimeFilter::Mins, TimeFilter::None, true, TimeFilter::None},
        {TimeFilter::Mins, TimeFilter::Mins, false, TimeFilter::Mins},  // "Mins" checked again
        {TimeFilter::None, TimeFilter::None, false, TimeFilter::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(afterTimeFilterToggle(c.current, c.box, c.checked), c.expected);
}

}  // namespace
}  // namespace rvxmod
