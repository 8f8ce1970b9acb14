#pragma once

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QTableView>
#include <functional>

namespace veltrix {

// Shows a GUI-free text grid (well information, job log) in a table view and writes edits back.
// The grid is the single owner of the texts; after changing it directly, call reload().
template <class Grid>
class GridModel final : public QAbstractTableModel {
public:
    using HeaderText = std::function<QString(int column)>;

    GridModel(Grid& grid, HeaderText header, QObject* parent = nullptr)
        : QAbstractTableModel(parent), grid_(grid), header_(std::move(header)) {}

    void reload() {
        beginResetModel();
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : grid_.rowCount();
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : Grid::columnCount;
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
        return QString::fromStdString(grid_.cell(index.row(), index.column()));
    }

    bool setData(const QModelIndex& index, const QVariant& value, int role) override {
        if (!index.isValid() || role != Qt::EditRole) return false;
        grid_.setCell(index.row(), index.column(), value.toString().toStdString());
        Q_EMIT dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
        return true;
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override {
        return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role != Qt::DisplayRole) return {};
        if (orientation == Qt::Horizontal && header_) return header_(section);
        return section + 1;
    }

private:
    Grid& grid_;
    HeaderText header_;
};

// Rows as high as a line of text, as in a spreadsheet.
inline void useCompactRows(QTableView& view) {
    view.verticalHeader()->setDefaultSectionSize(view.fontMetrics().height() + 6);
}

}  // namespace veltrix
