#include "rvxmod/app/pages/tool_info/job_grid_view.h"

#include "rvxmod/app/pages/tool_info/compact_grid.h"

#include <QHeaderView>
#include <QMouseEvent>

namespace rvxmod::app {
namespace {

constexpr int kNumberWidth = 58;
constexpr int kSamplesWidth = 145;
constexpr int kNotConnectedRow = 2;

QTableWidgetItem* cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

}  // namespace

JobGridView::JobGridView(QWidget* parent) : Retranslated(parent) {
    setObjectName(QStringLiteral("StringGridJobs"));
    setColumnCount(2);
    setRowCount(memory::JobGrid{}.rowCount);
    setColumnWidth(0, kNumberWidth);
    setColumnWidth(1, kSamplesWidth);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    longPress_.setSingleShot(true);
    longPress_.setInterval(kLongPressMs);
    connect(&longPress_, &QTimer::timeout, this, [this] { Q_EMIT jobInfoRequested(pressedRow_); });
    connect(this, &QTableWidget::cellDoubleClicked, this,
            [this](int row) { Q_EMIT downloadRequested(row); });
    retranslateUi();
    makeCompactGrid(*this, rowCount());
}

void JobGridView::showGrid(const memory::JobGrid& grid) {
    clearContents();
    setRowCount(grid.rowCount);
    for (std::size_t i = 0; i < grid.rows.size(); ++i) {
        const int row = static_cast<int>(i);
        setItem(row, 0, cell(QString::fromStdString(grid.rows[i].number)));
        setItem(row, 1, cell(QString::fromStdString(grid.rows[i].samples)));
    }
    if (!grid.rows.empty()) selectRow(0);
}

void JobGridView::showNotConnected() {
    clearCells();
    setItem(kNotConnectedRow, 1, cell(tr("Not connected")));
}

void JobGridView::clearCells() {
    clearContents();
    setRowCount(memory::JobGrid{}.rowCount);
}

void JobGridView::setSampleCell(int row, const std::string& text) {
    setItem(row, 1, cell(QString::fromStdString(text)));
}

void JobGridView::mousePressEvent(QMouseEvent* event) {
    QTableWidget::mousePressEvent(event);
    pressedRow_ = rowAt(event->position().toPoint().y());
    const QTableWidgetItem* first = item(pressedRow_, 0);
    if (first && !first->text().isEmpty()) longPress_.start();
}

void JobGridView::mouseReleaseEvent(QMouseEvent* event) {
    longPress_.stop();
    QTableWidget::mouseReleaseEvent(event);
}

void JobGridView::retranslateUi() {
    setHorizontalHeaderLabels(
        {tr("Job #"), tr("Number of") + QStringLiteral("\n") + tr("Samples (approx)")});
}

}  // namespace rvxmod::app
