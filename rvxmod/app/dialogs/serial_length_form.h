#pragma once

#include "common/user_port.h"
#include "rvxmod/app/dialogs/editable_grid_form.h"
#include "rvxmod/link/serial_length_form.h"

namespace rvxmod::app {

class ToolInfoPanel;

// Save Tool Serial Number and Tool Lengths: the tools' serial numbers and lengths, edited in the
// grid and written into the tool string.
class TFormSerialLength : public EditableGridForm {
    Q_OBJECT
public:
    TFormSerialLength(ToolInfoPanel& panel, rvx::UserPort& user, QWidget* parent);

    void showGrid(const link::SerialLengthGrid& grid);
    void saveData();

private:
    ToolInfoPanel& panel_;
    rvx::UserPort& user_;
    std::size_t shownRows_ = 0;
};

}  // namespace rvxmod::app
