#pragma once

namespace rvxmod {

enum class TimeColumn { Hours, RealTime };

// The user's download and unit preferences as the writer needs them; the caller fills it from
// the configuration it keeps.
struct RvxOutputOptions {
    TimeColumn time = TimeColumn::Hours;
    int timeFilterMinutes = 0;  // 0 when the "None" filter is ticked: every sample is written
    int pressureUnitItem = 0;   // position in psiA, psiG, kPaA, kPaG, ... kg/cm2_G, from 0
    double atmosphere = 14.30;  // in the chosen pressure unit, as the configuration shows it
    int temperatureUnit = 0;    // 0 DegC, 1 DegF, 2 Kelvin
    int spinnerUnit = 0;        // 0 Revs/Sec, 1 Revs/Min
};

}  // namespace rvxmod
