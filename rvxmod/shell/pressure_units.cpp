#include "rvxmod/shell/pressure_units.h"

#include "common/number_format.h"
#include "common/number_parse.h"

#include <algorithm>
#include <array>

namespace rvxmod {
namespace {
int itemOrFirst(int item, int count) {
    return item >= 0 && item < count ? item : 0;
}
}  // namespace

PressureUnit pressureUnitOf(int pressureItem) {
    static constexpr std::array<PressureUnit, kPressureItemCount / 2> kUnits{{
        {1, 1.0},         // psi
        {0, 6.89476},     // kPa
        {2, 0.0689476},   // Bar
        {3, 0.00689476},  // MPa
        {4, 0.070309},    // kg/cm2
    }};
    return kUnits[static_cast<std::size_t>(itemOrFirst(pressureItem, kPressureItemCount) / 2)];
}

std::optional<double> parseDecimalText(std::string_view text) {
    std::string withPoint(text);
    std::replace(withPoint.begin(), withPoint.end(), ',', '.');
    return rvx::parseDouble(withPoint);
}

UnitChange ChangeUnits(std::string_view atmosphereText, const UnitState& current,
                       const UnitItems& selected) {
    UnitChange change;
    change.items = {itemOrFirst(selected.pressure, kPressureItemCount),
                    itemOrFirst(selected.temperature, kTemperatureItemCount),
                    itemOrFirst(selected.spinner, kSpinnerItemCount)};
    const auto shown = parseDecimalText(atmosphereText);
    change.atmospherePsi = shown ? *shown / current.pressureFactor : kDefaultAtmospherePsi;

    const PressureUnit pressure = pressureUnitOf(change.items.pressure);
    change.units = {pressure.code, pressure.factor, change.items.temperature, change.items.spinner};
    change.atmosphereText = rvx::formatFixed(change.atmospherePsi * pressure.factor, 2);
    return change;
}

}  // namespace rvxmod
