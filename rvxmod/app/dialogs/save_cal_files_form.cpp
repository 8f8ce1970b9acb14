#include "rvxmod/app/dialogs/save_cal_files_form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPointer>
#include <QVBoxLayout>

#include "rvxmod/app/bgr_colour.h"
#include "rvxmod/app/pages/tool_info/tool_info_panel.h"
#include "rvxmod/app/tool_session.h"

namespace rvxmod::app {
namespace {

constexpr QSize kFormSize(640, 260);

QTableWidgetItem* cell(const std::string& text) {
    auto* item = new QTableWidgetItem(QString::fromStdString(text));
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

}  // namespace

TFormSaveCals::TFormSaveCals(ToolInfoPanel& panel, rvx::UserPort& user, QWidget* parent)
    : QDialog(parent),
      panel_(panel),
      user_(user),
      rows_(memory::fillSaveCalsGrid(panel.session().toolString())),
      grid_(new QTableWidget(this)) {
    setObjectName(QStringLiteral("FormSaveCals"));
    setWindowTitle(tr("Save Cal Files"));
    setModal(true);
    grid_->setObjectName(QStringLiteral("StringGridSaveCals"));
    grid_->setColumnCount(4);
    grid_->setHorizontalHeaderLabels(
        {tr("Tool Name"), tr("Serial Number"), tr("Status"), tr("Calibration File")});
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grid_->horizontalHeader()->setStretchLastSection(true);

    auto* boxes = new QVBoxLayout;
    for (std::size_t slot = 0; slot < save_.size(); ++slot) {
        QCheckBox* box = new QCheckBox(this);
        box->setObjectName(QStringLiteral("CheckBoxSave%1").arg(slot));
        const auto caption = [box](bool checked) {
            box->setText(checked ? tr("Save Cal File") : tr("Dont save Cal File"));
        };
        caption(false);
        connect(box, &QCheckBox::toggled, box, caption);
        boxes->addWidget(box);
        save_[slot] = box;
    }
    boxes->addStretch();

    auto* saveFiles = new QPushButton(tr("Save Files"), this);
    auto* retrieve = new QPushButton(tr("Retrieve Cals"), this);
    auto* deleteAll = new QPushButton(tr("Delete All Cals"), this);
    auto* done = new QPushButton(tr("Done"), this);
    saveFiles->setObjectName(QStringLiteral("ButtonSaveFiles"));
    retrieve->setObjectName(QStringLiteral("ButtonRetrieveCals"));
    deleteAll->setObjectName(QStringLiteral("ButtonDeleteAllCals"));
    done->setObjectName(QStringLiteral("ButtonDone"));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {saveFiles, retrieve, deleteAll}) buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(done);
    auto* rows = new QHBoxLayout;
    rows->addWidget(grid_, 1);
    rows->addLayout(boxes);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rows, 1);
    layout->addLayout(buttons);
    resize(kFormSize);

    connect(saveFiles, &QPushButton::clicked, this, [this] {
        std::array<bool, memory::kCalSlotCount> checked{};
        for (std::size_t slot = 0; slot < save_.size(); ++slot)
            checked[slot] = save_[slot]->isChecked();
        runStorage([checked](memory::CalStorage& storage, memory::SaveCalsGrid& grid) {
            memory::saveCalFiles(storage, grid, checked);
        });
    });
    connect(retrieve, &QPushButton::clicked, this, [this] {
        runStorage([](memory::CalStorage& storage, memory::SaveCalsGrid&) {
            memory::retrieveCals(storage);
        });
    });
    connect(deleteAll, &QPushButton::clicked, this, [this] { runStorage(&memory::deleteAllCals); });
    connect(done, &QPushButton::clicked, this, &QDialog::accept);
}

void TFormSaveCals::showGrid() {
    grid_->clearContents();
    grid_->setRowCount(std::max(rows_.rowCount, static_cast<int>(rows_.rows.size())));
    for (std::size_t i = 0; i < rows_.rows.size(); ++i) {
        const memory::SaveCalsRow& row = rows_.rows[i];
        const int r = static_cast<int>(i);
        grid_->setItem(r, 0, cell(row.toolName));
        grid_->setItem(r, 1, cell(row.identity));
        QTableWidgetItem* status = cell(row.statusText);
        if (const auto colour = memory::saveCalsStatusColour(row.status))
            status->setBackground(bgrColour(static_cast<int>(*colour)));
        grid_->setItem(r, 2, status);
        grid_->setItem(r, 3, cell(row.calFileName));
    }
}

void TFormSaveCals::runStorage(
    std::function<void(memory::CalStorage&, memory::SaveCalsGrid&)> command) {
    ToolSession& session = panel_.session();
    rvx::UserPort& user = user_;
    // The worker fills a copy; the form may be closed before it is done.
    auto grid = std::make_shared<memory::SaveCalsGrid>(rows_);
    QPointer<TFormSaveCals> self(this);
    panel_.runOnTool(
        [&session, &user, command, grid] {
            memory::CalStorage storage{session.link(), session.toolString(), user,
                                       session.buffers().backup, session.buffers().keepErased};
            command(storage, *grid);
        },
        [&panel = panel_, self, grid] {
            panel.UpdateToolChainGrid();
            if (!self) return;
            self->rows_ = *grid;
            self->showGrid();
        });
}

}  // namespace rvxmod::app
