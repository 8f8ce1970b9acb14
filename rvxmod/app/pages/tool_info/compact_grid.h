#pragma once

#include <QTableWidget>

namespace rvxmod::app {

// Compact rows and a size that shows exactly the columns and `visibleRows` rows, with room for
// a vertical scroll bar when more rows come.
void makeCompactGrid(QTableWidget& grid, int visibleRows);

}  // namespace rvxmod::app
