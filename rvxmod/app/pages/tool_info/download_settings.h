#pragma once

#include <filesystem>

#include "rvxmod/download/download_engine.h"
#include "rvxmod/shell/preferences.h"
#include "rvxmod/shell/time_filter.h"

namespace rvxmod::app {

// What a download follows, from the preferences the Config page shows.
DownloadSettings downloadSettingsOf(const Preferences& preferences, TimeFilter filter,
                                    const std::filesystem::path& startupDirectory);

}  // namespace rvxmod::app
