#pragma once

#include <QLocale>

#include "common/format_settings.h"

namespace veltrix {

// The separators the user's locale writes dates and numbers with; files are parsed with them.
rvx::FormatSettings formatSettingsOf(const QLocale& locale);

}  // namespace veltrix
