#pragma once

// The plot library's header is written with Qt's keyword macros, which this project switches off;
// they are defined for that header alone.
#ifdef QT_NO_KEYWORDS
#define signals Q_SIGNALS
#define slots Q_SLOTS
#define emit Q_EMIT
#define foreach Q_FOREACH
#include <qcustomplot.h>
#undef signals
#undef slots
#undef emit
#undef foreach
#else
#include <qcustomplot.h>
#endif
