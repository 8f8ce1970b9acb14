#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace rvxmod::app {

// A modal form of one editable grid, a hint line and a save button; the forms that write tool
// identities and dates into the tool string build on it.
class EditableGridForm : public QDialog {
    Q_OBJECT
public:
    EditableGridForm(const QString& objectName, QWidget* parent);

    QTableWidget& grid() const { return *grid_; }
    QLabel& hint() const { return *hint_; }
    QPushButton& saveButton() const { return *save_; }

    // Clears every cell and writes the rows, each cell editable only where `editable` says.
    void fill(const std::vector<std::vector<std::string>>& rows, int rowCount,
              const std::vector<bool>& editable);
    // The text of a cell; empty for a cell never filled.
    std::string cellText(int row, int column) const;

private:
    QTableWidget* grid_;
    QLabel* hint_;
    QPushButton* save_;
};

}  // namespace rvxmod::app
