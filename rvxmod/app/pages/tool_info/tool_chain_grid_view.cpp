#include "rvxmod/app/pages/tool_info/tool_chain_grid_view.h"

#include <QHeaderView>
#include <array>

#include "rvxmod/app/bgr_colour.h"
#include "rvxmod/app/pages/tool_info/compact_grid.h"

namespace rvxmod::app {
namespace {

constexpr std::array kColumnWidths{90, 68, 87, 107, 76};
constexpr int kStatusColumn = 3;
constexpr int kMinimumRows = 6;

QTableWidgetItem* cell(const std::string& text) {
    auto* item = new QTableWidgetItem(QString::fromStdString(text));
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

}  // namespace

ToolChainGridView::ToolChainGridView(QWidget* parent) : Retranslated(parent) {
    setObjectName(QStringLiteral("StringGridToolChain"));
    setColumnCount(static_cast<int>(kColumnWidths.size()));
    setRowCount(kMinimumRows);
    for (int column = 0; column < columnCount(); ++column)
        setColumnWidth(column, kColumnWidths[static_cast<std::size_t>(column)]);
    setSelectionMode(QAbstractItemView::NoSelection);
    retranslateUi();
    makeCompactGrid(*this, kMinimumRows);
}

void ToolChainGridView::showGrid(const link::ToolGrid& grid) {
    clearCells();
    setRowCount(std::max(grid.rowCount, kMinimumRows));
    setToolTip(QString::fromStdString(grid.hint));
    for (std::size_t i = 0; i < grid.rows.size(); ++i) {
        const link::ToolGridRow& row = grid.rows[i];
        const int r = static_cast<int>(i);
        setItem(r, 0, cell(row.name));
        setItem(r, 1, cell(row.identity));
        setItem(r, 2, cell(row.calDate));
        QTableWidgetItem* status = cell(row.calStatusText);
        if (const auto colour = link::calFileStatusColour(row.calStatus))
            status->setBackground(bgrColour(static_cast<int>(*colour)));
        setItem(r, kStatusColumn, status);
        setItem(r, 4, cell(row.firmwareDate));
    }
}

void ToolChainGridView::clearCells() {
    clearContents();
    setRowCount(kMinimumRows);
    setToolTip({});
}

void ToolChainGridView::retranslateUi() {
    setHorizontalHeaderLabels({tr("Tool"), tr("Serial") + QStringLiteral("\n") + tr(" Number"),
                               tr("Sensor") + QStringLiteral("\n") + tr("Cal Date"),
                               tr("Cal File") + QStringLiteral("\n") + tr("Status"),
                               tr("F/W Date")});
}

}  // namespace rvxmod::app
