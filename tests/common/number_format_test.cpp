#include "common/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "common/number_parse.h"

namespace rvx {
namespace {

struct FixedCase {
    double value;
    int decimals;
    char decimalSeparator;
    char thousandSeparator;
    const char* expected;
};

const FixedCase kFixedCases[] = {
    {14.3, 2, '.', '\0', "14.30"},
    {0.125, 2, '.', '\0', "0.13"},  // an exact half rounds away from zero
    {2.675, 2, '.', '\0', "2.67"},  // stored as 2.67499999...
    {-0.125, 2, '.', '\0', "-0.13"},
    {-0.001, 2, '.', '\0', "0.00"},
    {0.5, 0, '.', '\0', "1"},
    {0.0, 3, '.', '\0', "0.000"},
    {0.004, 2, '.', '\0', "0.00"},
    {0.005, 2, '.', '\0', "0.01"},
    {999.995, 2, '.', ',', "1,000.00"},
    {1234567.891, 2, '.', ',', "1,234,567.89"},
    {-1234.5, 0, '.', ',', "-1,235"},
    {100.0, 0, '.', ',', "100"},
    {123456.0, 1, '.', ',', "123,456.0"},
    {1234.5, 3, ',', '.', "1.234,500"},
    {1e20, 2, '.', ',', "100,000,000,000,000,000,000.00"},
};

TEST(FormatFixed, RoundsAndGroupsTheWholePart) {
    for (const FixedCase& test : kFixedCases) {
        SCOPED_TRACE(test.expected);
        EXPECT_EQ(
            formatFixed(test.value, test.decimals, test.decimalSeparator, test.thousandSeparator),
            test.expected);
    }
}

struct GeneralCase {
    double value;
    const char* expected;
};

const GeneralCase kGeneralCases[] = {
    {0.0, "0"},
    {-0.0, "0"},
    {100.0, "100"},
    {-2.5, "-2.5"},
    {0.1, "0.1"},
    {0.1 + 0.2, "0.3"},
    {1.0 / 3, "0.333333333333333"},
    {2.0 / 3, "0.666666666666667"},
    {1234567890.123456789, "1234567890.12346"},
    {123456789012345.0, "123456789012345"},
    {999999999999999.9, "1E15"},
    {1234567890123456.0, "1.23456789012346E15"},
    {1e20, "1E20"},
    {-1e100, "-1E100"},
    {0.0001, "0.0001"},
    {0.00012, "0.00012"},
    {0.00001, "1E-5"},
    {1.5e-7, "1.5E-7"},
    {4.42615029219009e-5, "4.42615029219009E-5"},
    {std::numeric_limits<double>::quiet_NaN(), "NAN"},
    {-std::numeric_limits<double>::infinity(), "-INF"},
};

TEST(FormatGeneral, ShortestFormWithFifteenSignificantDigits) {
    for (const GeneralCase& test : kGeneralCases) {
        SCOPED_TRACE(test.expected);
        EXPECT_EQ(formatGeneral(test.value), test.expected);
    }
    EXPECT_EQ(formatGeneral(14.3, ','), "14,3");
    EXPECT_EQ(formatGeneral(1.5e-7, ','), "1,5E-7");
}

TEST(FormatGeneral, ReadsBackWithTheSameSeparatorToFifteenDigits) {
    for (const double value : {98.6, -14.3, 6.89476, 1e-9, 12345.678901234567, 3.0e300}) {
        for (const char separator : {'.', ','}) {
            const std::string text = formatGeneral(value, separator);
            SCOPED_TRACE(text);
            const std::optional<double> parsed = parseDouble(text, separator);
            ASSERT_TRUE(parsed.has_value());
            EXPECT_NEAR(*parsed, value, std::fabs(value) * 5e-15);  // half a unit in the 15th digit
        }
    }
}

}  // namespace
}  // namespace rvx
