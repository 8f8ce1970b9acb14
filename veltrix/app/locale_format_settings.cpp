#include "veltrix/app/locale_format_settings.h"

#include <algorithm>

namespace veltrix {
namespace {

// The single ASCII character of a separator text, or the fallback for anything else.
char asciiSeparator(const QString& text, char fallback) {
    return text.size() == 1 && text.at(0).unicode() < 128 ? text.at(0).toLatin1() : fallback;
}

}  // namespace

rvx::FormatSettings formatSettingsOf(const QLocale& locale) {
    rvx::FormatSettings settings;
    const QString dateFormat = locale.dateFormat(QLocale::ShortFormat);
    // Only a mark between numeric date parts counts; a locale writing month names keeps '/'.
    const auto separator = std::find_if(dateFormat.begin(), dateFormat.end(), [](QChar c) {
        return c == QLatin1Char('/') || c == QLatin1Char('.') || c == QLatin1Char('-');
    });
    if (separator != dateFormat.end()) {
        settings.dateSeparator = asciiSeparator(QString(*separator), settings.dateSeparator);
    }
    // Qt's date letters in lower case are the classic pattern letters (d, M to m, y).
    settings.shortDateFormat = dateFormat.toLower().toStdString();
    settings.decimalSeparator = asciiSeparator(locale.decimalPoint(), settings.decimalSeparator);
    settings.thousandSeparator =
        asciiSeparator(locale.groupSeparator(), settings.thousandSeparator);
    return settings;
}

}  // namespace veltrix
