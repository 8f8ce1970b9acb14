#include "rvxmod/app/dialogs/job_info_form.h"

#include <QHeaderView>
#include <QVBoxLayout>

#include "rvxmod/memory/job_list.h"

namespace rvxmod::app {
namespace {
constexpr QSize kFormSize(325, 144);
}

TFormJobInfo::TFormJobInfo(const jobObj& job, std::size_t jobIndex, QWidget* parent)
    : QDialog(parent), cells_(new QTableWidget(this)) {
    setObjectName(QStringLiteral("FormJobInfo"));
    setWindowTitle(tr("Job Info"));
    resize(kFormSize);
    const auto texts = memory::jobInfoCells(job, jobIndex);
    cells_->setRowCount(static_cast<int>(texts.size()));
    cells_->setColumnCount(static_cast<int>(texts.front().size()));
    cells_->horizontalHeader()->hide();
    cells_->verticalHeader()->hide();
    cells_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    cells_->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    cells_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (std::size_t row = 0; row < texts.size(); ++row)
        for (std::size_t column = 0; column < texts[row].size(); ++column)
            cells_->setItem(static_cast<int>(row), static_cast<int>(column),
                            new QTableWidgetItem(QString::fromStdString(texts[row][column])));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(cells_);
}

}  // namespace rvxmod::app
