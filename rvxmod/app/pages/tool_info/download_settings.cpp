#include "rvxmod/app/pages/tool_info/download_settings.h"

#include "rvxmod/shell/pressure_units.h"

namespace rvxmod::app {

DownloadSettings downloadSettingsOf(const Preferences& preferences, TimeFilter filter,
                                    const std::filesystem::path& startupDirectory) {
    DownloadSettings settings;
    settings.fileFormat = preferences.fileFormat;
    RvxOutputOptions& output = settings.output;
    output.time = preferences.timePref == 1 ? TimeColumn::RealTime : TimeColumn::Hours;
    output.timeFilterMinutes = filter == TimeFilter::Mins ? preferences.timeFilterValue : 0;
    output.pressureUnitItem = preferences.pUnits;
    output.atmosphere = preferences.atmospherePsi * pressureUnitOf(preferences.pUnits).factor;
    output.temperatureUnit = preferences.tUnits;
    output.spinnerUnit = preferences.sUnits;
    settings.calibration.location =
        static_cast<CalFileLocation>(preferences.calibrationFileLocation);
    settings.calibration.method = static_cast<CalculationMethod>(preferences.calculationMethod);
    settings.calibration.startupDirectory = startupDirectory;
    return settings;
}

}  // namespace rvxmod::app
