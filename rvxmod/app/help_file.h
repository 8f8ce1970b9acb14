#pragma once

#include <QString>

#include "common/result.h"

namespace rvxmod::app {

inline constexpr const char* kHelpFileName = "RVXModHelp.pdf";

// Opens the help file of the start-up directory with the desktop's default program; a missing
// file gives the error text to show.
rvx::Status openHelpFile(const QString& startupDirectory);

}  // namespace rvxmod::app
