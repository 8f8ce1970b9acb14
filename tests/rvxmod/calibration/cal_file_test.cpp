#include "rvxmod/calibration/cal_file.h"

#include <gtest/gtest.h>

#include "rvxmod/calibration/cal_identity.h"

namespace rvxmod {
namespace {

const std::string kFixtures = RVX_FIXTURES_DIR "/calibration/";

TEST(CalFile, ReadsIdentityOrdersAndPointsOfADatFile) {
    const auto file = readDatFile(kFixtures + "gauge_6x5.dat");
    ASSERT_TRUE(file.ok()) << file.error().message;
    EXPECT_EQ(file->identityLine, "RZ00201,2026/03/15");
    EXPECT_EQ(file->points.size(), 30u);
    EXPECT_DOUBLE_EQ(file->points.front().P, 14.7);
    EXPECT_DOUBLE_EQ(file->points.front().T, 25.0);
    EXPECT_DOUBLE_EQ(file->points.front().X, 1002646.0);
    EXPECT_DOUBLE_EQ(file->points.front().Y, 560937.0);
}

TEST(CalFile, OrderLineFieldsGiveOrdersOrFour) {
    struct Case {
        const char* line;
        PolynomialOrders expected;
    };
    const Case cases[] = {
        {"PY:3, PX:5, TY:2, TX:1", {3, 5, 2, 1}}, {"no colons,at,all,here", {4, 4, 4, 4}},
        {"PY:x,PX:, TY: 6 ,TX:2", {4, 4, 6, 2}},  {"PY:1,PX:2", {1, 2, 4, 4}},
        {"a:1,b:2,c:3,d:7,e:9", {1, 2, 3, 4}},  // the fourth field keeps the rest of the line
    };
    for (const Case& c : cases) {
        const std::string text = std::string("id,date\r\nfree\r\n") + c.line + "\r\nheads\r\n";
        const auto file = parseDatText(text, "orders.dat");
        ASSERT_TRUE(file.ok()) << c.line;
        EXPECT_EQ(file->orders.pressureY, c.expected.pressureY) << c.line;
        EXPECT_EQ(file->orders.pressureX, c.expected.pressureX) << c.line;
        EXPECT_EQ(file->orders.temperatureY, c.expected.temperatureY) << c.line;
        EXPECT_EQ(file->orders.temperatureX, c.expected.temperatureX) << c.line;
    }
}

TEST(CalFile, BadPointLinesNameTheFileAndLine) {
    struct Case {
        const char* name;
        const char* line;
    };
    const Case cases[] = {
        {"blank_trailing_line.dat", ", line 35: "},
        {"not_a_number.dat", ", line 10: "},
        {"short_line.dat", ", line 10: "},
    };
    for (const Case& c : cases) {
        const auto file = readDatFile(kFixtures + c.name);
        ASSERT_FALSE(file.ok()) << c.name;
        EXPECT_NE(file.error().message.find(kFixtures + c.name + c.line), std::string::npos)
            << file.error().message;
    }
}

TEST(CalFile, PointFieldsAreNumbersWithADotWhateverTheLocale) {
    const char* bad[] = {"1,5;2", "1,inf", "1,nan", "1,", "1,2,3", "1 2"};
    for (const char* line : bad)
        EXPECT_FALSE(parseTdatText(std::string("a\nb\nc\nd\n") + line, "t.tdat").ok()) << line;
    const auto good = parseTdatText("a\nb\nc\nd\n +25.5 , -1e3\n", "t.tdat");
    ASSERT_TRUE(good.ok());
    EXPECT_DOUBLE_EQ(good->points[0].temperature, 25.5);
    EXPECT_DOUBLE_EQ(good->points[0].count, -1000.0);
}

TEST(CalFile, MissingFileIsAnError) {
    const auto file = readTdatFile(kFixtures + "no_such_file.tdat");
    ASSERT_FALSE(file.ok());
    EXPECT_NE(file.error().message.find("no_such_file.tdat"), std::string::npos);
}

TEST(CalFile, IdentityIsToolCodeAndSerialPaddedToFiveDigits) {
    ToolObj tool;
    tool.ToolCode = "RR";
    tool.SerialNumber = 12;
    EXPECT_EQ(calIdentity(tool), "RR00012");
    tool.SerialNumber = 123456;
    EXPECT_EQ(calIdentity(tool), "RR123456");
}

}  // namespace
}  // namespace rvxmod
