#include "rvxmod/app/dialogs/serial_length_form.h"

#include <memory>

#include <QPointer>

#include "rvxmod/app/pages/tool_info/tool_info_panel.h"
#include "rvxmod/app/tool_session.h"

namespace rvxmod::app {
namespace {
enum Column { Name, Code, Serial, Length };
}

TFormSerialLength::TFormSerialLength(ToolInfoPanel& panel, rvx::UserPort& user, QWidget* parent)
    : EditableGridForm(QStringLiteral("FormSerialLength"), parent), panel_(panel), user_(user) {
    grid().setObjectName(QStringLiteral("StringGridSNandTL"));
    setWindowTitle(tr("Serial Number / Tool Length"));
    grid().setColumnCount(4);
    grid().setHorizontalHeaderLabels({tr("Tool Name"), QString(), tr("Serial Number"),
                                      tr("Tool Length") + QStringLiteral("\n") + tr("(in)")});
    hint().setText(
        tr("* Click on a field, then type the values. Then click \"Save Data\" to save to tool."));
    saveButton().setText(tr("Save Data"));
    connect(&saveButton(), &QPushButton::clicked, this, &TFormSerialLength::saveData);
}

void TFormSerialLength::showGrid(const link::SerialLengthGrid& grid) {
    std::vector<std::vector<std::string>> rows;
    for (const link::SerialLengthRow& row : grid.rows)
        rows.push_back({row.name, row.code, row.serialNumber, row.toolLength});
    fill(rows, grid.rowCount, {false, false, true, true});
    shownRows_ = grid.rows.size();
}

void TFormSerialLength::saveData() {
    std::vector<link::SerialLengthRow> rows;
    for (std::size_t i = 0; i < shownRows_; ++i) {
        const int row = static_cast<int>(i);
        rows.push_back({cellText(row, Name), cellText(row, Code), cellText(row, Serial),
                        cellText(row, Length)});
    }
    ToolSession& session = panel_.session();
    rvx::UserPort& user = user_;
    auto saved = std::make_shared<bool>(false);
    // The form may be closed while the tool works.
    QPointer<TFormSerialLength> self(this);
    panel_.runOnTool(
        [&session, &user, rows, saved] {
            *saved =
                link::saveSerialNumbersAndLengths(session.link(), session.toolString(), user, rows);
        },
        [&panel = panel_, self, saved] {
            if (!*saved) return;
            panel.UpdateToolChainGrid();
            if (self) self->showGrid(link::serialLengthGrid(panel.session().toolString()));
        });
}

}  // namespace rvxmod::app
