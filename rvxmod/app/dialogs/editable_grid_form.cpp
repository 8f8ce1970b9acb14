#include "rvxmod/app/dialogs/editable_grid_form.h"

#include <QHeaderView>
#include <QVBoxLayout>

namespace rvxmod::app {

EditableGridForm::EditableGridForm(const QString& objectName, QWidget* parent)
    : QDialog(parent),
      grid_(new QTableWidget(this)),
      hint_(new QLabel(this)),
      save_(new QPushButton(this)) {
    setObjectName(objectName);
    setModal(true);
    grid_->setObjectName(QStringLiteral("StringGrid"));
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grid_->horizontalHeader()->setStretchLastSection(true);
    hint_->setWordWrap(true);
    save_->setObjectName(QStringLiteral("ButtonSave"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_, 1);
    layout->addWidget(hint_);
    layout->addWidget(save_, 0, Qt::AlignRight);
}

void EditableGridForm::fill(const std::vector<std::vector<std::string>>& rows, int rowCount,
                            const std::vector<bool>& editable) {
    grid_->clearContents();
    grid_->setRowCount(std::max(rowCount, static_cast<int>(rows.size())));
    for (std::size_t row = 0; row < rows.size(); ++row) {
        for (std::size_t column = 0; column < rows[row].size(); ++column) {
            auto* item = new QTableWidgetItem(QString::fromStdString(rows[row][column]));
            if (column < editable.size() && !editable[column])
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            grid_->setItem(static_cast<int>(row), static_cast<int>(column), item);
        }
    }
}

std::string EditableGridForm::cellText(int row, int column) const {
    const QTableWidgetItem* item = grid_->item(row, column);
    return item ? item->text().toStdString() : std::string();
}

}  // namespace rvxmod::app
