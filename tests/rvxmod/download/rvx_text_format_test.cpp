#include "rvxmod/download/rvx_text_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "common/date_format.h"
#include "common/number_format.h"

namespace rvxmod {
namespace {

std::string fixed(double value, int decimals) {
    std::string out;
    appendFixed(out, value, decimals);
    return out;
}

TEST(RvxTextFormat, FixedFormatRoundsHalvesAwayFromZeroWithoutANegativeZero) {
    const std::tuple<double, int, const char*> cases[] = {
        {0.125, 2, "0.13"},
        {-0.125, 2, "-0.13"},
        {2.675, 2, "2.67"},
        {0.02500, 5, "0.02500"},
        {-0.0004, 3, "0.000"},
        {0.0006, 3, "0.001"},
        {999.9996, 3, "1000.000"},
        {-999.25, 3, "-999.250"},
        {0.0, 2, "0.00"},
        {-0.0, 2, "0.00"},
        {1234567.891, 0, "1234568"},
        {5e-5, 3, "0.000"},
        {1e20, 2, "100000000000000000000.00"},
        {0.5, 0, "1"},
        {9.5, 0, "10"},
    };
    for (const auto& [value, decimals, text] : cases) EXPECT_EQ(fixed(value, decimals), text);
}

TEST(RvxTextFormat, FixedFormatAgreesWithTheCommonFormatter) {
    std::mt19937_64 random(20261211);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-8, 12);
    std::uniform_int_distribution<int> decimals(0, 6);
    for (int i = 0; i < 200000; ++i) {
        const double value = mantissa(random) * std::pow(10.0, exponent(random));
        const int places = decimals(random);
        ASSERT_EQ(fixed(value, places), rvx::formatFixed(value, places)) << value << " " << places;
    }
    // Exact ties of the kind counts and calibrations produce.
    for (int k = -20000; k <= 20000; ++k) {
        const double value = k / 8.0;
        ASSERT_EQ(fixed(value, 2), rvx::formatFixed(value, 2)) << value;
    }
}

TEST(RvxTextFormat, RealTimeColumnAgreesWithTheCommonDatePattern) {
    std::string out;
    appendRealTime(out, 46095.375 + 6553.9 / 86400);
    EXPECT_EQ(out, "2026/03/14 10:49:13:900");

    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> days(1.0, 80000.0);
    for (int i = 0; i < 100000; ++i) {
        const double value = days(random);
        out.clear();
        appendRealTime(out, value);
        ASSERT_EQ(out, rvx::formatDateTime("yyyy/mm/dd hh:nn:ss:zzz", value)) << value;
    }
}

}  // namespace
}  // namespace rvxmod
