#include "veltrix/app/report_info_pages.h"

#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "common/text_catalogue.h"
#include "veltrix/app/company_logo_box.h"
#include "veltrix/app/job_log_page.h"

namespace veltrix {
namespace {

QString text(const char* english) {
    return QString::fromStdString(rvx::trText("ReportInfo", english));
}

constexpr int defaultColumnWidth = 150;
constexpr int wideValueColumnWidth = 480;

}  // namespace

ReportInfoPages::ReportInfoPages(WellInfo& wellInfo, JobLog& jobLog, const Job& job,
                                 rvx::UserPort& port, QWidget* parent)
    : QTabWidget(parent),
      wellInfoModel_(new GridModel<WellInfo>(wellInfo, {}, this)),
      wellInfoGrid_(new QTableView(this)),
      jobLogPage_(new JobLogPage(jobLog, job, port, this)) {
    wellInfoGrid_->setObjectName(QStringLiteral("WellInfoGrid"));
    wellInfoGrid_->setModel(wellInfoModel_);
    wellInfoGrid_->horizontalHeader()->hide();
    wellInfoGrid_->verticalHeader()->hide();
    wellInfoGrid_->horizontalHeader()->setDefaultSectionSize(defaultColumnWidth);
    useCompactRows(*wellInfoGrid_);

    addTab(wellInfoGrid_, text("Well Info"));
    addTab(jobLogPage_, text("Job Log"));
    addTab(createToolStringPage(), text("Tool String"));
    addTab(createConfiguration(port), text("Report Configuration"));
}

QWidget* ReportInfoPages::createToolStringPage() {
    auto* page = new QWidget(this);
    auto* updateOrder = new QPushButton(text("Update") + "\n" + text("Tool Order"), page);
    updateOrder->setEnabled(false);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(updateOrder, 0, Qt::AlignLeft);
    layout->addStretch();
    return page;
}

QTabWidget* ReportInfoPages::createConfiguration(rvx::UserPort& port) {
    configuration_ = new QTabWidget(this);
    logo_ = new CompanyLogoBox(port, configuration_);
    plotsPage_ = new QWidget(configuration_);
    comments_ = new QPlainTextEdit(configuration_);
    comments_->setObjectName(QStringLiteral("Memo1"));
    configuration_->addTab(logo_, text("Well Information"));
    configuration_->addTab(plotsPage_, text("P l o t s"));
    configuration_->addTab(comments_, text("Comments"));
    return configuration_;
}

void ReportInfoPages::reloadWellInfo(bool wideValues) {
    wellInfoModel_->reload();
    wellInfoGrid_->setColumnWidth(WellInfo::LabelColumn, defaultColumnWidth);
    wellInfoGrid_->setColumnWidth(WellInfo::ValueColumn,
                                  wideValues ? wideValueColumnWidth : defaultColumnWidth);
}

void ReportInfoPages::reloadWellInfo() {
    wellInfoModel_->reload();
}

void ReportInfoPages::reloadJobLog() {
    jobLogPage_->reload();
}

void ReportInfoPages::showPlotsConfiguration() {
    setCurrentWidget(configuration_);
    configuration_->setCurrentWidget(plotsPage_);
}

}  // namespace veltrix
