#pragma once

#include <QLabel>
#include <QMainWindow>
#include <array>
#include <filesystem>
#include <memory>

#include "common/user_port.h"
#include "veltrix/app/main_commands.h"
#include "veltrix/app/yes_no_cancel.h"
#include "veltrix/data/job.h"
#include "veltrix/project/job_log.h"
#include "veltrix/project/settings.h"
#include "veltrix/project/well_info.h"

class QCheckBox;
class QTabWidget;

namespace veltrix {

class AboutBox;
class BaseDepthChart;
class BaseTimeChart;
class Crosshair;
class DataChart;
class ReportInfoPages;
struct WellInfoChanges;

// What the main window takes from its surroundings: the per-user folder holding the settings and
// the well information template, and the three-way question asked on closing.
struct MainWindowSetup {
    std::filesystem::path configFolder;
    YesNoCancelQuestion askYesNoCancel;
};

// The main window of the office program: owns the job, its charts and the report information.
class TVedadizizo final : public QMainWindow {
    Q_OBJECT
public:
    // Chart codes of the current chart ("Edit Actual Graph" edits it); 0 = none.
    enum ChartCode { NoChart = 0, BaseDepthCode = 1, BaseTimeCode = 2 };

    TVedadizizo(rvx::UserPort& port, MainWindowSetup setup);
    ~TVedadizizo() override;

    static QString versionText() { return QStringLiteral("1.89"); }

    // Back to the start state; at start-up and after Clear.
    void reset();
    // Enables or disables the user commands for the busy state of a data command.
    void setCommandsEnabled(bool enabled);
    // Panel 3 of the status bar: a hint or the project name.
    void showHint(const QString& text);
    // Redraws the charts whose data sets changed (a clock moved).
    void refreshCharts();

    void loadDepthFileCommand();
    void clearCommand();
    void editActualGraph();

    const Job& job() const { return job_; }
    const WellInfo& wellInfo() const { return wellInfo_; }
    const JobLog& jobLog() const { return jobLog_; }
    const MainCommands& commands() const { return commands_; }
    ReportInfoPages& reportInfo() { return *reportInfo_; }
    QTabWidget& pages() { return *pages_; }
    QLabel& statusPanel(int index) { return *panels_.at(static_cast<std::size_t>(index)); }
    int currentChart() const { return currentChart_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    // Moving onto the tool bar shows the project name in status panel 3.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createPages();
    void createStatusBar();
    void connectCommands();
    void applySettings();
    void storeSettings();
    void updateCommands();
    void pageChanged();
    void showDepthData(const std::string& timeUnitToken);
    void setDepthUnits(DepthUnitSystem system);
    void setDateOrder(DateOrder order);
    void setCrosshair(bool on);
    void applyWellInfoChanges(const WellInfoChanges& changes);
    void updateTestDate();
    void showReadout(const QString& first, const QString& second);
    void deletePlotPictures() const;

    rvx::UserPort& port_;
    MainWindowSetup setup_;
    Job job_;
    WellInfo wellInfo_;
    JobLog jobLog_;
    Settings settings_;
    MainCommands commands_;
    QTabWidget* pages_ = nullptr;
    QTabWidget* depthPages_ = nullptr;
    QCheckBox* crosshairBox_ = nullptr;
    BaseDepthChart* chart1_ = nullptr;
    BaseTimeChart* chart2_ = nullptr;
    ReportInfoPages* reportInfo_ = nullptr;
    AboutBox* aboutBox_ = nullptr;
    std::array<QLabel*, 3> panels_{};
    std::unique_ptr<Crosshair> crosshair_;
    QString projectName_;
    int currentChart_ = NoChart;
    bool busy_ = false;
    // A depth file whose start date could not be read leaves "&Utility" usable, so the date
    // format can be changed before the next try.
    bool offerUtility_ = false;
};

}  // namespace veltrix
