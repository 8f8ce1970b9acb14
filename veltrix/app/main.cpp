#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QStandardPaths>

#include "common/text_catalogue.h"
#include "veltrix/app/main_window.h"
#include "veltrix/app/qt_user_port.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Veltrix"));
    rvx::installTextLookup([](const char* context, const char* sourceText) {
        return QCoreApplication::translate(context, sourceText).toStdString();
    });

    const QString configFolder =
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(configFolder);

    veltrix::QtUserPort port;
    veltrix::TVedadizizo window(port, {configFolder.toStdString(), [&port](std::string_view text) {
                                           return port.askYesNoCancel(text);
                                       }});
    port.setParentWindow(&window);
    port.onCommandsEnabled([&window](bool enabled) { window.setCommandsEnabled(enabled); });
    port.onStatus([&window](const QString& text) { window.showHint(text); });
    window.move(window.screen()->availableGeometry().center() - window.rect().center());
    window.show();
    return QApplication::exec();
}
