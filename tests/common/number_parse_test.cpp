#include "common/number_parse.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace rvx {
namespace {

TEST(ParseDouble, ReadsNumbersWithTheGivenDecimalSeparator) {
    EXPECT_EQ(parseDouble("1.5"), 1.5);
    EXPECT_EQ(parseDouble("1,5", ','), 1.5);
    EXPECT_EQ(parseDouble("  -2.5e3 "), -2500.0);
    EXPECT_EQ(parseDouble("+3"), 3.0);
    EXPECT_EQ(parseDouble("1,5E-3", ','), 1.5e-3);
    EXPECT_EQ(parseDouble("-999.25"), -999.25);
}

TEST(ParseDouble, RefusesAnythingButAPlainNumber) {
    for (const char* text :
         {"", " ", "1.5x", "1,000.5", "1 000", "inf", "nan", "1e999", "+-1", "--1", "0x10", "."}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(parseDouble(text), std::nullopt);
    }
    EXPECT_EQ(parseDouble("1.5", ','), std::nullopt);
}

TEST(ParseInteger, ReadsWholeNumbersThatFitTheType) {
    EXPECT_EQ(parseInteger<int>("42"), 42);
    EXPECT_EQ(parseInteger<int>(" -7 "), -7);
    EXPECT_EQ(parseInteger<int>("+5"), 5);
    EXPECT_EQ(parseInteger<std::uint16_t>("65535"), 65535);
    for (const char* text : {"", "4.2", "12a", "0x10", "+-5", "99999999999"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(parseInteger<int>(text), std::nullopt);
    }
    EXPECT_EQ(parseInteger<std::uint16_t>("65536"), std::nullopt);
    EXPECT_EQ(parseInteger<std::uint16_t>("-1"), std::nullopt);
}

}  // namespace
}  // namespace rvx
