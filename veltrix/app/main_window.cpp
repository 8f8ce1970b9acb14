#include "veltrix/app/main_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QStatusBar>
#include <QTabWidget>
#include <algorithm>

#include "common/date_format.h"
#include "common/text_catalogue.h"
#include "veltrix/app/about_box.h"
#include "veltrix/app/base_depth_chart.h"
#include "veltrix/app/base_time_chart.h"
#include "veltrix/app/company_logo_box.h"
#include "veltrix/app/crosshair.h"
#include "veltrix/app/locale_format_settings.h"
#include "veltrix/app/report_info_pages.h"
#include "veltrix/app/series_editor.h"
#include "veltrix/project/well_info_template.h"
#include "veltrix/readers/depth_file_load.h"
#include "veltrix/readers/depth_well_info.h"

namespace veltrix {
namespace {

QString text(const char* english) {
    return QString::fromStdString(rvx::trText("Veltrix", english));
}

// Top-level tabs, in their order.
enum Tab { DepthTab, PressureTab, CclTab, SpinnerTab, GradientTab, ReportInfoTab, MergeTab };
enum DepthPage { BaseDepthPage, BaseTimePage };
constexpr int toolStringPage = 2;

// A tab whose own pages are filled by later commands.
QTabWidget* pagesNamed(std::initializer_list<const char*> captions, QWidget* parent) {
    auto* pages = new QTabWidget(parent);
    for (const char* caption : captions) pages->addTab(new QWidget(pages), text(caption));
    return pages;
}

}  // namespace

TVedadizizo::TVedadizizo(rvx::UserPort& port, MainWindowSetup setup)
    : port_(port), setup_(std::move(setup)) {
    setObjectName(QStringLiteral("Vedadizizo"));
    setFont(QFont(QStringLiteral("Arial"), 8));
    resize(795, 599);
    job_.locale = formatSettingsOf(QLocale());

    commands_ = createMainCommands(*this);
    createPages();
    createStatusBar();
    aboutBox_ = new AboutBox(versionText(), this);
    connectCommands();
    reportInfo_->showPlotsConfiguration();
    applySettings();
    reset();
    setWindowTitle(QStringLiteral("Veltrix ") + versionText());
}

TVedadizizo::~TVedadizizo() = default;

void TVedadizizo::createPages() {
    auto* central = new QWidget(this);
    pages_ = new QTabWidget(central);
    pages_->setObjectName(QStringLiteral("PageControl1"));
    depthPages_ = new QTabWidget(pages_);
    depthPages_->setObjectName(QStringLiteral("PageControl2"));
    chart1_ = new BaseDepthChart(job_, depthPages_);
    chart2_ = new BaseTimeChart(job_, depthPages_);
    depthPages_->addTab(chart1_, text("Base Depth"));
    depthPages_->addTab(chart2_, text("Base Time"));
    reportInfo_ = new ReportInfoPages(wellInfo_, jobLog_, job_, port_, pages_);

    pages_->addTab(depthPages_, text("Depth Data"));
    pages_->addTab(new QWidget(pages_), text("Pressure Data"));
    pages_->addTab(new QWidget(pages_), text("CCL Data"));
    pages_->addTab(new QWidget(pages_), text("Spinner Data"));
    pages_->addTab(pagesNamed({"Table", "Gradient Plot"}, pages_), text("Gradient"));
    pages_->addTab(reportInfo_, text("Report Info"));
    pages_->addTab(pagesNamed({"   Whole Merge Data   ", "Selected Run"}, pages_),
                   text("Merge data"));

    crosshairBox_ = new QCheckBox(text("&Crosshair Cursor"), central);
    crosshairBox_->setObjectName(QStringLiteral("CheckBoxCrosshair"));
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(pages_, 1);
    layout->addWidget(crosshairBox_, 0, Qt::AlignTop);
    setCentralWidget(central);
}

void TVedadizizo::createStatusBar() {
    const std::array<int, 3> widths{150, 150, 306};
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        panels_[i] = new QLabel(this);
        panels_[i]->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        panels_[i]->setFixedWidth(widths[i]);
        panels_[i]->setMinimumHeight(panels_[i]->fontMetrics().height() + 4);
        statusBar()->addWidget(panels_[i]);
    }
}

void TVedadizizo::connectCommands() {
    const MainCommands& c = commands_;
    connect(c.depthFile, &QAction::triggered, this, &TVedadizizo::loadDepthFileCommand);
    connect(c.clear, &QAction::triggered, this, &TVedadizizo::clearCommand);
    connect(c.exit, &QAction::triggered, this, &QWidget::close);
    connect(c.editActualGraph, &QAction::triggered, this, &TVedadizizo::editActualGraph);
    const auto showDepthPage = [this](int page) {
        if (job_.data.Depth.size() <= 1) return;
        pages_->setCurrentIndex(DepthTab);
        depthPages_->setCurrentIndex(page);
    };
    connect(c.baseDepth, &QAction::triggered, this, [=] { showDepthPage(BaseDepthPage); });
    connect(c.baseTime, &QAction::triggered, this, [=] { showDepthPage(BaseTimePage); });
    connect(c.dateYearMonthDay, &QAction::triggered, this,
            [this] { setDateOrder(DateOrder::YearMonthDay); });
    connect(c.dateMonthDayYear, &QAction::triggered, this,
            [this] { setDateOrder(DateOrder::MonthDayYear); });
    connect(c.dateDayMonthYear, &QAction::triggered, this,
            [this] { setDateOrder(DateOrder::DayMonthYear); });
    connect(c.feet, &QAction::triggered, this, [this] { setDepthUnits(DepthUnitSystem::Feet); });
    connect(c.meters, &QAction::triggered, this,
            [this] { setDepthUnits(DepthUnitSystem::Meters); });
    connect(c.useToolString, &QAction::toggled, this,
            [this](bool on) { reportInfo_->setTabVisible(toolStringPage, on); });
    connect(c.prepareReport, &QAction::triggered, this, [this] {
        pages_->setCurrentWidget(reportInfo_);
        reportInfo_->showPlotsConfiguration();
    });
    connect(c.about, &QAction::triggered, aboutBox_, &AboutBox::showFromMenu);
    c.toolBar->installEventFilter(this);
    connect(pages_, &QTabWidget::currentChanged, this, &TVedadizizo::pageChanged);
    connect(depthPages_, &QTabWidget::currentChanged, this, &TVedadizizo::pageChanged);
    connect(crosshairBox_, &QCheckBox::toggled, this, &TVedadizizo::setCrosshair);
    for (DataChart* chart : {static_cast<DataChart*>(chart1_), static_cast<DataChart*>(chart2_)}) {
        connect(chart, &DataChart::readout, this, &TVedadizizo::showReadout);
    }
}

void TVedadizizo::applySettings() {
    settings_ = loadSettings(setup_.configFolder / kSettingsFileName, job_.locale.decimalSeparator);
    job_.depthInterval = settings_.depthInterval;
    job_.cclGain = settings_.cclGain;
    commands_.includePseudoDensity->setChecked(settings_.pseudoMerge);
    reportInfo_->logo().setLogoPath(QString::fromStdString(settings_.logoFileName));
    commands_.useToolString->setChecked(settings_.useToolString);
    reportInfo_->setTabVisible(toolStringPage, settings_.useToolString);
    commands_.feet->setChecked(settings_.feetChecked);
    commands_.meters->setChecked(settings_.metersChecked);
    job_.setDepthUnits(settings_.depthUnits());
    depthPages_->setCurrentIndex(settings_.depthDefaultTab);
}

void TVedadizizo::storeSettings() {
    settings_.depthInterval = job_.depthInterval;
    settings_.cclGain = job_.cclGain;
    settings_.pseudoMerge = commands_.includePseudoDensity->isChecked();
    settings_.logoFileName = reportInfo_->logo().logoPath().toStdString();
    settings_.useToolString = commands_.useToolString->isChecked();
    settings_.feetChecked = commands_.feet->isChecked();
    settings_.depthDefaultTab = std::max(depthPages_->currentIndex(), 0);
    const rvx::Status saved = saveSettings(settings_, job_.locale.decimalSeparator,
                                           setup_.configFolder / kSettingsFileName);
    if (!saved.ok()) port_.showError(saved.error().message);
}

void TVedadizizo::reset() {
    pages_->hide();
    crosshairBox_->setChecked(false);
    crosshairBox_->hide();
    refreshCharts();
    currentChart_ = NoChart;
    projectName_.clear();
    offerUtility_ = false;
    if (!job_.flags.projectLoading) {
        WellInfoFromTemplate loaded = loadWellInfoTemplate(setup_.configFolder, port_);
        wellInfo_ = std::move(loaded.info);
        reportInfo_->reloadWellInfo(loaded.readFromFile);
    }
    jobLog_.clear();
    reportInfo_->reloadJobLog();
    for (int tab = 0; tab < pages_->count(); ++tab) pages_->setTabVisible(tab, false);
    pages_->setCurrentIndex(DepthTab);
    updateCommands();
}

void TVedadizizo::updateCommands() {
    const MainCommands& c = commands_;
    const bool loaded = job_.flags.dataLoaded;
    const auto enable = [this](QAction* action, bool on) {
        action->setEnabled(on && !busy_ && !commands_.pending.contains(action));
    };
    enable(c.fileMenu->menuAction(), true);
    enable(c.graphsMenu->menuAction(), loaded);
    enable(c.mergeMenu->menuAction(), loaded);
    enable(c.utilityMenu->menuAction(), loaded || offerUtility_);
    enable(c.reportMenu->menuAction(), loaded);
    enable(c.about, true);
    for (QAction* reader :
         {c.depthFile, c.rvxFile, c.pressure, c.collarRtd, c.temperature, c.spinnerFile, c.clear}) {
        enable(reader, true);
    }
    for (QAction* needsData : {c.saveLasFile, c.saveLasButton, c.mergeAll}) {
        enable(needsData, loaded);
    }
}

void TVedadizizo::setCommandsEnabled(bool enabled) {
    busy_ = !enabled;
    updateCommands();
}

void TVedadizizo::showHint(const QString& hint) {
    panels_[2]->setText(hint);
}

void TVedadizizo::showReadout(const QString& first, const QString& second) {
    panels_[0]->setText(first);
    panels_[1]->setText(second);
}

void TVedadizizo::refreshCharts() {
    chart1_->showJob();
    chart2_->showJob();
}

void TVedadizizo::pageChanged() {
    currentChart_ = NoChart;
    if (pages_->currentWidget() == depthPages_) {
        currentChart_ = depthPages_->currentIndex() == BaseDepthPage ? BaseDepthCode : BaseTimeCode;
    }
    if (crosshairBox_->isChecked()) setCrosshair(true);
    showHint(projectName_);
}

void TVedadizizo::setCrosshair(bool on) {
    crosshair_.reset();
    if (!on) return;
    if (currentChart_ == BaseDepthCode) {
        crosshair_ = std::make_unique<Crosshair>(*chart1_, Crosshair::Lines::HorizontalOnly);
    } else if (currentChart_ == BaseTimeCode) {
        crosshair_ = std::make_unique<Crosshair>(*chart2_, Crosshair::Lines::Both);
    }
}

void TVedadizizo::loadDepthFileCommand() {
    if (!admitLoad(job_, DataKind::Depth, port_)) return;
    const std::optional<std::string> path = port_.chooseOpenFile(depthFileChoice());
    if (!path) return;
    const DepthLoad load = loadDepthFile(job_, port_, *path);
    if (load.outcome == LoadOutcome::Refused || load.outcome == LoadOutcome::NotFound) return;
    applyWellInfoChanges(depthWellInfoChanges(load, job_));
    pages_->show();
    pages_->setTabVisible(DepthTab, true);
    refreshCharts();
    if (load.outcome == LoadOutcome::StartDate) offerUtility_ = true;
    if (load.outcome == LoadOutcome::Loaded) showDepthData(load.read.header.timeUnitToken);
    updateCommands();
}

void TVedadizizo::applyWellInfoChanges(const WellInfoChanges& changes) {
    for (const WellInfoRow& row : changes.appended) wellInfo_.appendRow(row.label, row.value);
    for (const WellInfoRow& row : changes.updated) wellInfo_.setValueOf(row.label, row.value);
    if (changes.refreshTestDate) updateTestDate();
    reportInfo_->reloadWellInfo();
}

void TVedadizizo::showDepthData(const std::string& timeUnitToken) {
    chart2_->setTimeUnitToken(QString::fromStdString(timeUnitToken));
    crosshairBox_->show();
    pages_->setCurrentIndex(DepthTab);
    pages_->setTabVisible(ReportInfoTab, true);
    reportInfo_->showPlotsConfiguration();
}

void TVedadizizo::updateTestDate() {
    const JobStartTimes& starts = job_.starts;
    const rvx::DateTime latest =
        std::max({starts.depthFile, starts.pressureFile, starts.ccl, starts.spinner});
    wellInfo_.updateTestDate(rvx::formatDateTime("ddddd", latest, job_.locale));
}

void TVedadizizo::clearCommand() {
    if (!clearJob(job_, port_)) return;
    reportInfo_->comments().clear();
    reset();
}

void TVedadizizo::setDepthUnits(DepthUnitSystem system) {
    commands_.feet->setChecked(system == DepthUnitSystem::Feet);
    commands_.meters->setChecked(system == DepthUnitSystem::Meters);
    job_.setDepthUnits(system);
    refreshCharts();
}

void TVedadizizo::setDateOrder(DateOrder order) {
    job_.dateOrder = order;
}

void TVedadizizo::editActualGraph() {
    QCustomPlot* chart = nullptr;
    if (currentChart_ == BaseDepthCode) chart = chart1_;
    if (currentChart_ == BaseTimeCode) chart = chart2_;
    if (!chart) return;
    SeriesEditor editor(*chart, this);
    editor.exec();
}

void TVedadizizo::deletePlotPictures() const {
    for (int picture = 1; picture <= 8; ++picture) {
        const auto name = QStringLiteral("Plot%1.wmf").arg(picture, 2, 10, QLatin1Char('0'));
        QFile::remove(QString::fromStdString((setup_.configFolder / name.toStdString()).string()));
    }
}

bool TVedadizizo::eventFilter(QObject* watched, QEvent* event) {
    if (watched == commands_.toolBar && event->type() == QEvent::Enter) showHint(projectName_);
    return QMainWindow::eventFilter(watched, event);
}

void TVedadizizo::closeEvent(QCloseEvent* event) {
    if (job_.flags.dataLoaded) {
        const YesNoCancel answer =
            setup_.askYesNoCancel(rvx::trText("Veltrix", "Save project before exiting?"));
        // Project saving is not built yet: Yes counts as a save that was cancelled.
        if (answer != YesNoCancel::No) {
            event->ignore();
            return;
        }
    }
    deletePlotPictures();
    storeSettings();
    event->accept();
}

}  // namespace veltrix
