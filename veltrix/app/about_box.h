#pragma once

#include <QDialog>

class QLabel;

namespace veltrix {

// "About": program file, version, maker and support contacts. Mail and web labels open through
// the desktop's mail program and browser.
class AboutBox final : public QDialog {
    Q_OBJECT
public:
    AboutBox(const QString& version, QWidget* parent);

    // Opening from the menu shows the plain version (a new box says " Beta " + version).
    void showFromMenu();

private:
    QString version_;
    QLabel* versionLabel_;
};

}  // namespace veltrix
