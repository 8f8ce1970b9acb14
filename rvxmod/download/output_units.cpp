#include "rvxmod/download/output_units.h"

#include <array>

#include "common/text_catalogue.h"

namespace rvxmod {
namespace {

constexpr const char* kContext = "RvxFile";

struct PressureUnit {
    const char* text;
    double factor;  // psi to this unit
    bool gauge;
};

constexpr std::array<PressureUnit, 10> kPressureUnits{{
    {"psiA", 1.0, false},
    {"psiG", 1.0, true},
    {"kPaA", 6.89476, false},
    {"kPaG", 6.89476, true},
    {"BarA", 0.0689476, false},
    {"BarG", 0.0689476, true},
    {"MPaA", 0.00689476, false},
    {"MPaG", 0.00689476, true},
    {"kg/cm2_A", 0.070309, false},
    {"kg/cm2_G", 0.070309, true},
}};

const PressureUnit& pressureUnit(const RvxOutputOptions& options) {
    const int item = options.pressureUnitItem;
    const bool known = item >= 0 && item < static_cast<int>(kPressureUnits.size());
    return kPressureUnits[known ? static_cast<std::size_t>(item) : 0];
}

}  // namespace

std::string pressureUnitText(const RvxOutputOptions& options) {
    return rvx::trText(kContext, pressureUnit(options).text);
}

std::string temperatureUnitText(const RvxOutputOptions& options) {
    switch (options.temperatureUnit) {
        case 1:
            return rvx::trText(kContext, "DegF");
        case 2:
            return rvx::trText(kContext, "Kelvin");
        default:
            return rvx::trText(kContext, "DegC");
    }
}

std::string spinnerUnitText(const RvxOutputOptions& options) {
    return options.spinnerUnit == 1 ? rvx::trText(kContext, "Revs/Min")
                                    : rvx::trText(kContext, "Revs/Sec");
}

double outputPressure(double psiAbsolute, const RvxOutputOptions& options) {
    const PressureUnit& unit = pressureUnit(options);
    const double value = psiAbsolute * unit.factor;
    return unit.gauge ? value - options.atmosphere : value;
}

double outputTemperature(double celsius, const RvxOutputOptions& options) {
    switch (options.temperatureUnit) {
        case 1:
            return celsius * 1.8 + 32;
        case 2:
            return celsius + 273.15;
        default:
            return celsius;
    }
}

double outputRevolutions(double revsPerSecond, const RvxOutputOptions& options) {
    return options.spinnerUnit == 1 ? revsPerSecond * 60 : revsPerSecond;
}

}  // namespace rvxmod
