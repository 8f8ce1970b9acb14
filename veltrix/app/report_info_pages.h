#pragma once

#include <QTabWidget>

#include "common/user_port.h"
#include "veltrix/app/grid_model.h"
#include "veltrix/data/job.h"
#include "veltrix/project/job_log.h"
#include "veltrix/project/well_info.h"

class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace veltrix {

class CompanyLogoBox;
class JobLogPage;

// The "Report Info" tab: what the user types for the report (well information, job log, tool
// string, and the report configuration with its logo, plots and comments).
class ReportInfoPages final : public QTabWidget {
    Q_OBJECT
public:
    ReportInfoPages(WellInfo& wellInfo, JobLog& jobLog, const Job& job, rvx::UserPort& port,
                    QWidget* parent);

    // Shows the grids again after they were replaced; `wideValues` widens the value column of
    // a grid read from the template.
    void reloadWellInfo(bool wideValues);
    void reloadWellInfo();
    void reloadJobLog();
    // "Report Configuration" with its page "P l o t s".
    void showPlotsConfiguration();

    QTableView& wellInfoGrid() { return *wellInfoGrid_; }
    JobLogPage& jobLogPage() { return *jobLogPage_; }
    CompanyLogoBox& logo() { return *logo_; }
    QPlainTextEdit& comments() { return *comments_; }

private:
    QWidget* createToolStringPage();
    QTabWidget* createConfiguration(rvx::UserPort& port);

    GridModel<WellInfo>* wellInfoModel_;
    QTableView* wellInfoGrid_;
    JobLogPage* jobLogPage_;
    QTabWidget* configuration_ = nullptr;
    QWidget* plotsPage_ = nullptr;
    CompanyLogoBox* logo_ = nullptr;
    QPlainTextEdit* comments_ = nullptr;
};

}  // namespace veltrix
