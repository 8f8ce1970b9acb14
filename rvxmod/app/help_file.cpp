#include "rvxmod/app/help_file.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace rvxmod::app {

rvx::Status openHelpFile(const QString& startupDirectory) {
    const QString path = QDir(startupDirectory).filePath(QLatin1String(kHelpFileName));
    if (!QFileInfo::exists(path)) {
        const QString text = QCoreApplication::translate("rvxmod::app::TForm1", "Error: ") +
                             QDir::toNativeSeparators(path) + QStringLiteral(" : ") +
                             QCoreApplication::translate("rvxmod::app::TForm1", "File not found");
        return rvx::fail(text.toStdString());
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    return rvx::ok();
}

}  // namespace rvxmod::app
