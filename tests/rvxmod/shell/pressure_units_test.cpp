#include "rvxmod/shell/pressure_units.h"

#include <gtest/gtest.h>

namespace rvxmod {
namespace {

constexpr int kPsiA = 0;
constexpr int kKPaA = 2;
constexpr int kKgG = 9;

TEST(PressureUnits, AbsoluteAndGaugeItemsShareCodeAndFactor) {
    struct Case {
        int item;
        int code;
        double factor;
    };
    const Case cases[] = {{0, 1, 1.0},        {1, 1, 1.0},        {2, 0, 6.89476},
                          {3, 0, 6.89476},    {4, 2, 0.0689476},  {5, 2, 0.0689476},
                          {6, 3, 0.00689476}, {7, 3, 0.00689476}, {8, 4, 0.070309},
                          {9, 4, 0.070309},   {-1, 1, 1.0},       {10, 1, 1.0}};
    for (const Case& c : cases) {
        EXPECT_EQ(pressureUnitOf(c.item).code, c.code) << c.item;
        EXPECT_DOUBLE_EQ(pressureUnitOf(c.item).factor, c.factor) << c.item;
    }
}

TEST(ChangeUnits, AtmosphereFollowsThePressureUnitBothWays) {
    const UnitChange toKPa = ChangeUnits("14.30", UnitState{}, {kKPaA, 0, 0});
    EXPECT_EQ(toKPa.atmosphereText, "98.60");
    EXPECT_EQ(toKPa.units.pressureCode, 0);
    EXPECT_NEAR(toKPa.atmospherePsi, 14.3, 1e-12);

    const UnitChange back = ChangeUnits(toKPa.atmosphereText, toKPa.units, {kPsiA, 0, 0});
    EXPECT_EQ(back.atmosphereText, "14.30");
    EXPECT_DOUBLE_EQ(back.units.pressureFactor, 1.0);
}

TEST(ChangeUnits, UnreadableAtmosphereAndEmptyBoxesFallBackToDefaults) {
    const UnitChange change = ChangeUnits("abc", UnitState{}, {-1, -1, -1});
    EXPECT_EQ(change.items.pressure, 0);
    EXPECT_EQ(change.items.temperature, 0);
    EXPECT_EQ(change.items.spinner, 0);
    EXPECT_EQ(change.atmosphereText, "14.30");

    const UnitChange kg = ChangeUnits("", UnitState{}, {kKgG, 2, 1});
    EXPECT_EQ(kg.atmosphereText, "1.01");  // 14.3 psi * 0.070309
    EXPECT_EQ(kg.units.temperatureCode, 2);
    EXPECT_EQ(kg.units.spinnerCode, 1);
}

TEST(ParseDecimalText, AcceptsPointOrComma) {
    EXPECT_DOUBLE_EQ(*parseDecimalText("14,7"), 14.7);
    EXPECT_DOUBLE_EQ(*parseDecimalText(" 14.7 "), 14.7);
    EXPECT_FALSE(parseDecimalText("14.7 psi"));
    EXPECT_FALSE(parseDecimalText(" "));
}

}  // namespace
}  // namespace rvxmod
