#include "veltrix/app/job_log_page.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "common/date_format.h"
#include "common/date_parse.h"
#include "common/text_catalogue.h"
#include "veltrix/project/job_log_find_depth.h"

namespace veltrix {
namespace {

QString text(const char* english) {
    return QString::fromStdString(rvx::trText("JobLog", english));
}

}  // namespace

JobLogPage::JobLogPage(JobLog& log, const Job& job, rvx::UserPort& port, QWidget* parent)
    : QWidget(parent),
      log_(log),
      job_(job),
      port_(port),
      model_(new GridModel<JobLog>(
          log, [](int column) { return text(JobLog::headers().at(column)); }, this)),
      grid_(new QTableView(this)) {
    grid_->setObjectName(QStringLiteral("JobLogGrid"));
    grid_->setModel(model_);
    useCompactRows(*grid_);
    grid_->horizontalHeader()->setSectionsMovable(true);
    grid_->verticalHeader()->setSectionsMovable(true);

    auto* tools = new QHBoxLayout;
    const auto addTool = [&](const char* caption, void (JobLogPage::*handler)()) {
        auto* button = new QPushButton(text(caption), this);
        connect(button, &QPushButton::clicked, this, handler);
        tools->addWidget(button);
    };
    addTool("Copy &Time", &JobLogPage::copyTime);
    addTool("&Find Depth", &JobLogPage::findDepth);
    addTool("&Add  Row", &JobLogPage::addRow);
    addTool("&Delete Row", &JobLogPage::deleteRow);
    tools->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->addLayout(tools);
    reload();
}

void JobLogPage::reload() {
    model_->reload();
    grid_->setColumnWidth(JobLog::TimeColumn, 120);
    grid_->setColumnWidth(JobLog::TemperatureColumn, 100);
    grid_->setColumnWidth(JobLog::CommentsColumn, 120);
}

QModelIndex JobLogPage::currentCell() const {
    return grid_->currentIndex();
}

void JobLogPage::copyTime() {
    const QModelIndex cell = currentCell();
    if (!cell.isValid()) return;
    log_.copyTime(cell.row(), cell.column());
    model_->reload();
    grid_->setCurrentIndex(model_->index(cell.row(), cell.column()));
}

void JobLogPage::findDepth() {
    const QModelIndex cell = currentCell();
    if (!cell.isValid()) return;
    const std::string& timeText = log_.cell(cell.row(), JobLog::TimeColumn);
    const rvx::Result<rvx::DateTime> time = rvx::parseDateTime(timeText, job_.locale);
    if (!time) {
        port_.showError(time.error().message);
        return;
    }
    const FindDepthOutcome outcome = veltrix::findDepth(log_, cell.row(), time.value(), job_);
    if (outcome == FindDepthOutcome::AfterDepthData) {
        QApplication::beep();
        const DataSet& depth = job_.data.Depth;
        port_.showNotice(rvx::trText("JobLog", "The input Time: ") + "\n" + timeText + "\n" +
                         rvx::trText("JobLog", "is grather than Job End Time: ") + "\n" +
                         rvx::formatDateTime("", depth.x(depth.size() - 1), job_.locale));
    }
    model_->reload();
}

void JobLogPage::addRow() {
    log_.addRow();
    model_->reload();
}

void JobLogPage::deleteRow() {
    const QModelIndex cell = currentCell();
    if (!cell.isValid()) return;
    grid_->selectionModel()->select(
        cell, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    const std::string question =
        rvx::trText("JobLog", "Erase this Row = ") + log_.cell(cell.row(), cell.column()) + " ?";
    if (!port_.askYesNo(question)) return;
    log_.deleteRow(cell.row());
    model_->reload();
}

}  // namespace veltrix
