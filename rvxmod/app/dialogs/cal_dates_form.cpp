#include "rvxmod/app/dialogs/cal_dates_form.h"

#include <QPointer>

#include "rvxmod/app/pages/tool_info/tool_info_panel.h"
#include "rvxmod/app/tool_session.h"

namespace rvxmod::app {
namespace {
enum Column { Name, Identity, CalDate };
}

TFormCalDates::TFormCalDates(ToolInfoPanel& panel, rvx::UserPort& user, QWidget* parent)
    : EditableGridForm(QStringLiteral("FormCalDates"), parent), panel_(panel), user_(user) {
    grid().setObjectName(QStringLiteral("StringGridCalDates"));
    setWindowTitle(tr("Save Sensor Cal Dates"));
    grid().setColumnCount(3);
    grid().setHorizontalHeaderLabels({tr("Tool "), tr("SN"), tr("Sensor Cal Date (yyyy/mm/dd)")});
    saveButton().setText(tr("Save Cal Dates"));
    hint().hide();
    connect(&saveButton(), &QPushButton::clicked, this, &TFormCalDates::saveCalDates);
}

void TFormCalDates::showGrid(const link::CalDateGrid& grid) {
    std::vector<std::vector<std::string>> rows;
    for (const link::CalDateRow& row : grid.rows)
        rows.push_back({row.name, row.identity, row.calDate});
    // The grid's own header row stands for the first row of the form.
    fill(rows, grid.rowCount - 1, {false, false, true});
}

void TFormCalDates::saveCalDates() {
    std::vector<link::CalDateRow> rows;
    for (int row = 0; row < grid().rowCount() && !cellText(row, Name).empty(); ++row)
        rows.push_back({cellText(row, Name), cellText(row, Identity), cellText(row, CalDate)});
    ToolSession& session = panel_.session();
    rvx::UserPort& user = user_;
    // The form may be closed while the tool works.
    QPointer<TFormCalDates> self(this);
    panel_.runOnTool(
        [&session, &user, rows] {
            link::saveSensorCalDates(session.link(), session.toolString(), user, rows);
        },
        [&panel = panel_, self] {
            if (self) self->showGrid(link::calDatesGrid(panel.session().toolString()));
            panel.UpdateToolChainGrid();
        });
}

}  // namespace rvxmod::app
