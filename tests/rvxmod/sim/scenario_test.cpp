#include "rvxmod/sim/scenario.h"

#include <gtest/gtest.h>

#include "common/date_time.h"

namespace rvxmod::sim {
namespace {

std::uint16_t day(int year, int month, int dayOfMonth) {
    return *rvx::dayNumberFromDateTime(
        rvx::encodeDateTime({.year = year, .month = month, .day = dayOfMonth}));
}

TEST(Scenario, ReadsToolsInLineOrderAndChipSizes) {
    const auto scenario = loadScenario(RVX_FIXTURES_DIR "/sim/piezo_and_unknown.scn");
    ASSERT_TRUE(scenario.ok()) << scenario.error().message;
    ASSERT_EQ(scenario->tools.size(), 3u);
    const SimTool& piezo = scenario->tools[1];
    EXPECT_EQ(piezo.type, 5);
    EXPECT_EQ(piezo.serialNumber, 42);
    EXPECT_EQ(piezo.length, 33);
    EXPECT_EQ(piezo.sampleSize, 7);
    EXPECT_EQ(piezo.calDate, day(2019, 2, 28));
    EXPECT_EQ(piezo.firmwareDate, day(2018, 12, 31));
    EXPECT_EQ(scenario->tools[2].type, 99);
    EXPECT_EQ(scenario->chipSizes, (std::array<std::uint8_t, kChipSlots>{128, 0, 32}));
}

TEST(Scenario, RefusesMalformedStatementsNamingTheLine) {
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"tool 3 1021 30 0 2024/01/15\n", "scenario line 1"},
        {"\ntool 3 70000 30 0 2024/01/15 2024/01/15\n", "scenario line 2"},
        {"tool 3 1 30 0 2024/02/30 2024/01/15\n", "scenario line 1"},
        {"tool 256 1 30 0 2024/01/15 2024/01/15\n", "scenario line 1"},
        {"tool 3 1 30 0 2024/01/15 2024/01/15\nchips 64 x\n", "scenario line 2"},
        {"tools 3\n", "unknown statement tools"},
        {"# nothing\n", "no tools"},
    };
    for (const auto& c : cases) {
        const auto scenario = parseScenario(c.text);
        ASSERT_FALSE(scenario.ok()) << c.text;
        EXPECT_NE(scenario.error().message.find(c.message), std::string::npos)
            << scenario.error().message;
    }
}

TEST(Scenario, DemoIsAMemoryModuleWithSensors) {
    const auto scenario = scenarioNamed("demo");
    ASSERT_TRUE(scenario.ok());
    ASSERT_GE(scenario->tools.size(), 2u);
    EXPECT_EQ(scenario->tools[0].type, 3);
    EXPECT_FALSE(scenarioNamed("/no/such/scenario").ok());
}

}  // namespace
}  // namespace rvxmod::sim
