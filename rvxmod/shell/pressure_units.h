#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace rvxmod {

// Item counts of the unit boxes.
inline constexpr int kPressureItemCount = 10;  // psiA, psiG, kPaA, kPaG, BarA, ... kg/cm2_G
inline constexpr int kTemperatureItemCount = 3;
inline constexpr int kSpinnerItemCount = 2;

inline constexpr double kDefaultAtmospherePsi = 14.3;

// Code and factor (psi -> unit) of a pressure box item; the absolute and gauge items of one unit
// share both. An item out of range counts as the first item.
struct PressureUnit {
    int code = 1;
    double factor = 1.0;
};
PressureUnit pressureUnitOf(int pressureItem);

// Unit choices the conversion and output code reads.
struct UnitState {
    int pressureCode = 1;
    double pressureFactor = 1.0;
    int temperatureCode = 0;  // 0 DegC, 1 DegF, 2 Kelvin
    int spinnerCode = 0;      // 0 revolutions per second, 1 per minute
};

// A decimal number typed with either "." or "," as the separator; nothing when it is not one.
std::optional<double> parseDecimalText(std::string_view text);

// Selected items of the unit boxes; -1 when a box has no selection.
struct UnitItems {
    int pressure = 0;
    int temperature = 0;
    int spinner = 0;
};

struct UnitChange {
    UnitItems items;             // selections, empty boxes set to their first item
    UnitState units;             // the new unit state
    double atmospherePsi = 0;    // the atmosphere, kept in psi
    std::string atmosphereText;  // what the atmosphere edit shows in the new pressure unit
};

// Applies the unit boxes: the atmosphere edit, read in the current pressure unit, is carried over
// to the newly chosen one (14.3 psi when the edit does not hold a number).
UnitChange ChangeUnits(std::string_view atmosphereText, const UnitState& current,
                       const UnitItems& selected);

}  // namespace rvxmod
