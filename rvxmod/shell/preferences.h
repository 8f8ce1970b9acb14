#pragma once

#include <filesystem>
#include <string_view>

#include "common/ini_file.h"
#include "common/result.h"
#include "rvxmod/shell/pressure_units.h"

namespace rvxmod {

inline constexpr std::string_view kPreferencesFileName = "QZ_RVXMod.ini";
inline constexpr std::string_view kPreferencesSection = "RVXMod_Preferences";

// The choices kept between runs. Radio groups and boxes are kept as item indexes; a missing key,
// or a value that is not a valid number for it, reads as the default below.
struct Preferences {
    int comFind = 0;  // 0 search ports automatically, 1 use comNumber
    int comNumber = 2;
    int fileFormat = 0;
    int timePref = 0;
    int calibrationFileLocation = 0;
    int calculationMethod = 0;
    int timeFilterValue = 1;  // minutes, 1..60
    double atmospherePsi = kDefaultAtmospherePsi;
    int tUnits = 0;
    int pUnits = 0;
    int sUnits = 0;
    int language = 0;
    int soundFX = 0;               // 0 on, 1 off
    int voiceNotify = 0;           // 0 on, 1 off
    bool extraSupervisor = false;  // the "Graph" marker
    int logSamplesToFile = 1;
    int logSampleFormat = 1;

    bool operator==(const Preferences&) const = default;
};

Preferences readPreferences(const rvx::IniFile& file);
// Replaces the preferences section of the file, keys in their fixed write order.
void writePreferences(const Preferences& preferences, rvx::IniFile& file);

// A missing file gives the defaults.
Preferences loadPreferences(const std::filesystem::path& path);
// Other sections of an existing file are kept.
rvx::Status savePreferences(const Preferences& preferences, const std::filesystem::path& path);

}  // namespace rvxmod
