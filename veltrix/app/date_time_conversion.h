#pragma once

#include <QDateTime>

#include "common/date_time.h"

namespace veltrix {

// Date-times of the job (days since 30 December 1899) as Qt date-times in local time, and back.
QDateTime toQDateTime(rvx::DateTime dateTime);
rvx::DateTime fromQDateTime(const QDateTime& dateTime);

// Chart keys: seconds since 1970 shown as UTC, so the wall-clock times of the files are drawn
// unchanged whatever the time zone.
constexpr double chartSecondsFromDateTime(rvx::DateTime dateTime) {
    constexpr double unixEpochDay = 25569.0;
    return (dateTime - unixEpochDay) * 86400.0;
}
constexpr rvx::DateTime dateTimeFromChartSeconds(double seconds) {
    constexpr double unixEpochDay = 25569.0;
    return seconds / 86400.0 + unixEpochDay;
}

}  // namespace veltrix
