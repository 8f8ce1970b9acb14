#include "rvxmod/shell/pressure_units.h"

#include <algorithm>
#include <array>
#include <charconv>

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
    std::string normal(text);
    std::replace(normal.begin(), normal.end(), ',', '.');
    const auto first = normal.find_first_not_of(' ');
    const auto last = normal.find_last_not_of(' ');
    if (first == std::string::npos) return std::nullopt;
    const char* begin = normal.data() + first;
    const char* end = normal.data() + last + 1;
    double value = 0;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || stop != end) return std::nullopt;
    return value;
}

std::string twoDecimals(double value) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, 2);
    return std::string(buffer.data(), result.ptr);
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
    change.atmosphereText = twoDecimals(change.atmospherePsi * pressure.factor);
    return change;
}

}  // namespace rvxmod
