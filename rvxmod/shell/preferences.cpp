#include "rvxmod/shell/preferences.h"

#include <array>
#include <optional>
#include <string>

#include "common/number_format.h"
#include "common/number_parse.h"
#include "rvxmod/shell/access_levels.h"

namespace rvxmod {
namespace {

// An integer preference: its key, where it lives, and its valid range.
struct IntegerKey {
    std::string_view key;
    int Preferences::*field;
    int lowest;
    int highest;
};

constexpr std::array kIntegerKeys{
    IntegerKey{"ComFind", &Preferences::comFind, 0, 1},
    IntegerKey{"ComNumber", &Preferences::comNumber, 1, 255},
    IntegerKey{"FileFormat", &Preferences::fileFormat, 0, 2},
    IntegerKey{"TimePref", &Preferences::timePref, 0, 1},
    IntegerKey{"CalibrationFileLocation", &Preferences::calibrationFileLocation, 0, 1},
    IntegerKey{"CalculationMethod", &Preferences::calculationMethod, 0, 1},
    IntegerKey{"TimeFilterValue", &Preferences::timeFilterValue, 1, 60},
    IntegerKey{"TUnits", &Preferences::tUnits, 0, kTemperatureItemCount - 1},
    IntegerKey{"PUnits", &Preferences::pUnits, 0, kPressureItemCount - 1},
    IntegerKey{"SUnits", &Preferences::sUnits, 0, kSpinnerItemCount - 1},
    IntegerKey{"Language", &Preferences::language, 0, 1},
    IntegerKey{"SoundFX", &Preferences::soundFX, 0, 1},
    IntegerKey{"VoiceNotify", &Preferences::voiceNotify, 0, 1},
    IntegerKey{"LogSamplesToFile", &Preferences::logSamplesToFile, 0, 1},
    IntegerKey{"LogSampleFormat", &Preferences::logSampleFormat, 0, 1},
};

constexpr std::string_view kAtmosphereKey = "Atmosphere";
constexpr std::string_view kGraphKey = "Graph";
constexpr std::string_view kGraphCleared = "O";

// Keys in the order they are written; the reading order is irrelevant to the result.
constexpr std::array<std::string_view, 17> kWriteOrder{
    "ComFind",           "ComNumber",      "FileFormat", "TimePref",    "CalibrationFileLocation",
    "CalculationMethod", "TUnits",         "PUnits",     "SUnits",      "TimeFilterValue",
    kAtmosphereKey,      "Language",       "SoundFX",    "VoiceNotify", kGraphKey,
    "LogSamplesToFile",  "LogSampleFormat"};

std::string textOf(const Preferences& preferences, std::string_view key) {
    if (key == kAtmosphereKey) return rvx::formatFixed(preferences.atmospherePsi, 6);
    if (key == kGraphKey)
        return preferences.extraSupervisor ? std::string(1, kExtraSupervisorLetter)
                                           : std::string(kGraphCleared);
    for (const IntegerKey& entry : kIntegerKeys)
        if (entry.key == key) return std::to_string(preferences.*entry.field);
    return {};
}

}  // namespace

Preferences readPreferences(const rvx::IniFile& file) {
    Preferences preferences;
    for (const IntegerKey& entry : kIntegerKeys) {
        const auto text = file.value(kPreferencesSection, entry.key);
        const auto number = text ? rvx::parseInteger<int>(*text) : std::nullopt;
        if (number && *number >= entry.lowest && *number <= entry.highest)
            preferences.*entry.field = *number;
    }
    if (const auto text = file.value(kPreferencesSection, kAtmosphereKey))
        preferences.atmospherePsi = parseDecimalText(*text).value_or(kDefaultAtmospherePsi);
    preferences.extraSupervisor =
        file.value(kPreferencesSection, kGraphKey) == std::string(1, kExtraSupervisorLetter);
    return preferences;
}

void writePreferences(const Preferences& preferences, rvx::IniFile& file) {
    file.eraseSection(kPreferencesSection);
    for (const std::string_view key : kWriteOrder)
        file.setValue(kPreferencesSection, key, textOf(preferences, key));
}

Preferences loadPreferences(const std::filesystem::path& path) {
    return readPreferences(rvx::IniFile::load(path));
}

rvx::Status savePreferences(const Preferences& preferences, const std::filesystem::path& path) {
    rvx::IniFile file = rvx::IniFile::load(path);
    writePreferences(preferences, file);
    return file.save(path);
}

}  // namespace rvxmod
