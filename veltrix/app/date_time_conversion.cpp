#include "veltrix/app/date_time_conversion.h"

#include <cmath>

namespace veltrix {
namespace {
const QDateTime& dayZero() {
    static const QDateTime zero(QDate(1899, 12, 30), QTime(0, 0));
    return zero;
}
constexpr double millisecondsPerDay = 86'400'000.0;
}  // namespace

QDateTime toQDateTime(rvx::DateTime dateTime) {
    const double wholeDays = std::floor(dateTime);
    const auto milliseconds = std::llround((dateTime - wholeDays) * millisecondsPerDay);
    return QDateTime(dayZero().date().addDays(static_cast<qint64>(wholeDays)), QTime(0, 0))
        .addMSecs(milliseconds);
}

rvx::DateTime fromQDateTime(const QDateTime& dateTime) {
    const qint64 days = dayZero().date().daysTo(dateTime.date());
    return static_cast<double>(days) + dateTime.time().msecsSinceStartOfDay() / millisecondsPerDay;
}

}  // namespace veltrix
