#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "common/ini_file.h"
#include "common/result.h"
#include "veltrix/data/job.h"

namespace veltrix {

inline constexpr std::string_view kSettingsFileName = "QZ_Veltrx.ini";
inline constexpr std::string_view kSettingsSection = "Veltrix";
inline constexpr int kDefaultPaperType = 37;  // "Letter"
inline constexpr int kDefaultDepthOpenFilterIndex = 1;

// The user choices kept from one run to the next. Members hold the defaults of a missing file.
struct Settings {
    double depthInterval = kDefaultDepthInterval;
    double cclGain = kDefaultCclGain;
    bool pseudoMerge = false;
    int paperType = kDefaultPaperType;
    std::string logoFileName;
    int depthOpenFilterIndex = kDefaultDepthOpenFilterIndex;
    bool useToolString = false;
    // The two menu checks of the depth units. A stored value other than "TRUE" and "FALSE"
    // leaves both unchecked.
    bool feetChecked = true;
    bool metersChecked = false;
    // Page of the "Depth Data" tab: 0 "Base Depth", 1 "Base Time".
    int depthDefaultTab = 0;

    // The unit texts follow "Feet": metric unless it is checked.
    DepthUnitSystem depthUnits() const {
        return feetChecked ? DepthUnitSystem::Feet : DepthUnitSystem::Meters;
    }
};

// The job takes the depth interval, CCL gain and unit texts at start-up...
void applySettingsToJob(const Settings& settings, Job& job);
// ...and gives back the depth interval and CCL gain in force at closing, wherever they came from.
void takeSettingsFromJob(const Job& job, Settings& settings);

// Reads every key; unparseable numbers fall back to their defaults and a CCL gain of exactly 0
// becomes 0.05. Reals use the given decimal separator.
Settings readSettings(const rvx::IniFile& file, char decimalSeparator);
// Writes the nine keys in their fixed order into the file's "Veltrix" section.
void writeSettings(const Settings& settings, char decimalSeparator, rvx::IniFile& file);

// A missing file gives the defaults.
Settings loadSettings(const std::filesystem::path& path, char decimalSeparator);
// Keeps whatever else the file holds and writes the keys into it.
rvx::Status saveSettings(const Settings& settings, char decimalSeparator,
                         const std::filesystem::path& path);

}  // namespace veltrix
