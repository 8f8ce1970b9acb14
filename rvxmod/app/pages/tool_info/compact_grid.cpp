#include "rvxmod/app/pages/tool_info/compact_grid.h"

#include <QHeaderView>
#include <QScrollBar>

namespace rvxmod::app {
namespace {
constexpr int kRowHeight = 20;
}

void makeCompactGrid(QTableWidget& grid, int visibleRows) {
    grid.verticalHeader()->hide();
    grid.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid.verticalHeader()->setDefaultSectionSize(kRowHeight);
    grid.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid.setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    const int frame = 2 * grid.frameWidth();
    grid.setFixedWidth(grid.horizontalHeader()->length() + frame +
                       grid.verticalScrollBar()->sizeHint().width());
    grid.setFixedHeight(grid.horizontalHeader()->sizeHint().height() + visibleRows * kRowHeight +
                        frame);
}

}  // namespace rvxmod::app
