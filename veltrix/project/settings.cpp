#include "veltrix/project/settings.h"

#include <optional>

#include "common/number_format.h"
#include "common/number_parse.h"

namespace veltrix {
namespace {

constexpr std::string_view kTrue = "TRUE";
constexpr std::string_view kFalse = "FALSE";

class SettingsReader {
public:
    SettingsReader(const rvx::IniFile& file, char decimalSeparator)
        : file_(file), decimalSeparator_(decimalSeparator) {}

    std::optional<std::string> text(std::string_view key) const {
        return file_.value(kSettingsSection, key);
    }
    double real(std::string_view key, double fallback) const {
        const std::optional<std::string> stored = text(key);
        return stored ? rvx::parseDouble(*stored, decimalSeparator_).value_or(fallback) : fallback;
    }
    int integer(std::string_view key, int fallback) const {
        const std::optional<std::string> stored = text(key);
        return stored ? rvx::parseInteger<int>(*stored).value_or(fallback) : fallback;
    }
    // Anything but exactly "TRUE" is false.
    bool flag(std::string_view key, bool fallback) const {
        const std::optional<std::string> stored = text(key);
        return stored ? *stored == kTrue : fallback;
    }

private:
    const rvx::IniFile& file_;
    char decimalSeparator_;
};

std::string_view flagText(bool value) {
    return value ? kTrue : kFalse;
}

}  // namespace

void applySettingsToJob(const Settings& settings, Job& job) {
    job.depthInterval = settings.depthInterval;
    job.cclGain = settings.cclGain;
    job.setDepthUnits(settings.depthUnits());
}

void takeSettingsFromJob(const Job& job, Settings& settings) {
    settings.depthInterval = job.depthInterval;
    settings.cclGain = job.cclGain;
}

Settings readSettings(const rvx::IniFile& file, char decimalSeparator) {
    const SettingsReader reader(file, decimalSeparator);
    Settings settings;
    settings.depthInterval = reader.real("DepthInterval", kDefaultDepthInterval);
    settings.cclGain = reader.real("CCLGain", kDefaultCclGain);
    if (settings.cclGain == 0.0) settings.cclGain = kDefaultCclGain;
    settings.pseudoMerge = reader.flag("PseudoMerge", false);
    settings.paperType = reader.integer("PaperType", kDefaultPaperType);
    settings.logoFileName = reader.text("LogoFileName").value_or("");
    settings.depthOpenFilterIndex =
        reader.integer("DepthOpenFilterIndex", kDefaultDepthOpenFilterIndex);
    settings.useToolString = reader.flag("UseToolString", false);
    const std::string feet = reader.text("DepthUnitsFeet").value_or(std::string(kTrue));
    settings.feetChecked = feet == kTrue;
    settings.metersChecked = feet == kFalse;
    settings.depthDefaultTab = reader.integer("DepthDefaultTab", 0);
    return settings;
}

void writeSettings(const Settings& settings, char decimalSeparator, rvx::IniFile& file) {
    const auto put = [&](std::string_view key, std::string_view value) {
        file.setValue(kSettingsSection, key, value);
    };
    put("DepthInterval", rvx::formatGeneral(settings.depthInterval, decimalSeparator));
    put("CCLGain", rvx::formatGeneral(settings.cclGain, decimalSeparator));
    put("PseudoMerge", flagText(settings.pseudoMerge));
    put("PaperType", std::to_string(settings.paperType));
    put("LogoFileName", settings.logoFileName);
    put("DepthOpenFilterIndex", std::to_string(settings.depthOpenFilterIndex));
    put("UseToolString", flagText(settings.useToolString));
    put("DepthDefaultTab", std::to_string(settings.depthDefaultTab));
    put("DepthUnitsFeet", flagText(settings.feetChecked));
}

Settings loadSettings(const std::filesystem::path& path, char decimalSeparator) {
    return readSettings(rvx::IniFile::load(path), decimalSeparator);
}

rvx::Status saveSettings(const Settings& settings, char decimalSeparator,
                         const std::filesystem::path& path) {
    rvx::IniFile file = rvx::IniFile::load(path);
    writeSettings(settings, decimalSeparator, file);
    return file.save(path);
}

}  // namespace veltrix
