#pragma once

#include <QTableWidget>

#include "rvxmod/app/widgets/retranslated.h"
#include "rvxmod/link/tool_string_grid.h"

namespace rvxmod::app {

// The tool-string grid (`StringGridToolChain`): tool, serial number, sensor cal date, cal file
// status on its status colour, firmware date.
class ToolChainGridView : public Retranslated<QTableWidget> {
    Q_OBJECT
public:
    explicit ToolChainGridView(QWidget* parent);

    void showGrid(const link::ToolGrid& grid);
    void clearCells();

private:
    void retranslateUi() override;
};

}  // namespace rvxmod::app
