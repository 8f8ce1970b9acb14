#pragma once

#include "common/user_port.h"
#include "rvxmod/app/dialogs/editable_grid_form.h"
#include "rvxmod/link/cal_dates_form.h"

namespace rvxmod::app {

class ToolInfoPanel;

// Sensor Cal Dates: the calibration date of every tool that needs one, edited in the grid and
// written into the tool string.
class TFormCalDates : public EditableGridForm {
    Q_OBJECT
public:
    TFormCalDates(ToolInfoPanel& panel, rvx::UserPort& user, QWidget* parent);

    void showGrid(const link::CalDateGrid& grid);
    void saveCalDates();

private:
    ToolInfoPanel& panel_;
    rvx::UserPort& user_;
};

}  // namespace rvxmod::app
