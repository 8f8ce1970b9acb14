#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <QTableWidget>
#include <array>
#include <functional>

#include "common/user_port.h"
#include "rvxmod/memory/save_cal_files.h"

namespace rvxmod::app {

class ToolInfoPanel;

// "Save Cal Files": the calibration files kept in the memory module's six slots, one grid row
// and one check box per slot.
class TFormSaveCals : public QDialog {
    Q_OBJECT
public:
    TFormSaveCals(ToolInfoPanel& panel, rvx::UserPort& user, QWidget* parent);

    void showGrid();

private:
    // Runs a cal storage command on the tool session, then shows the grid it leaves.
    void runStorage(std::function<void(memory::CalStorage&, memory::SaveCalsGrid&)> command);

    ToolInfoPanel& panel_;
    rvx::UserPort& user_;
    memory::SaveCalsGrid rows_;
    QTableWidget* grid_;
    std::array<QCheckBox*, memory::kCalSlotCount> save_{};
};

}  // namespace rvxmod::app
