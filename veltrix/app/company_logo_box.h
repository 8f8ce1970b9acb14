#pragma once

#include <QWidget>

#include "common/user_port.h"

class QCheckBox;
class QGroupBox;
class QLabel;

namespace veltrix {

// "Company Logo" on the report's "Well Information" page: the check box that shows the logo
// group, the preview `ReportLogo` and "Update Logo". The path is kept with the settings.
class CompanyLogoBox final : public QWidget {
    Q_OBJECT
public:
    CompanyLogoBox(rvx::UserPort& port, QWidget* parent);

    const QString& logoPath() const { return path_; }
    // An empty path unchecks "Company Logo"; otherwise the picture is shown and it is checked.
    void setLogoPath(const QString& path);
    void updateLogo();

private:
    rvx::UserPort& port_;
    QString path_;
    QCheckBox* show_;
    QGroupBox* group_;
    QLabel* preview_;
};

}  // namespace veltrix
