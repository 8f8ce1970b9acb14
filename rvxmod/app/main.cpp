#include <QApplication>
#include <QDir>
#include <QStandardPaths>

#include "rvxmod/app/main_window.h"
#include "rvxmod/shell/preferences.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("RVXModular"));
    QApplication::setOrganizationName(QStringLiteral("RVX"));

    const QString configFolder =
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    const rvxmod::app::MainWindowSetup setup{
        QDir::currentPath(),
        QDir(configFolder).filePath(QLatin1String(rvxmod::kPreferencesFileName.data()))};
    rvxmod::app::TForm1 window(setup);
    window.show();
    return QApplication::exec();
}
