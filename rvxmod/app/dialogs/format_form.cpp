#include "rvxmod/app/dialogs/format_form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <memory>

#include "rvxmod/app/pages/tool_info/tool_info_panel.h"
#include "rvxmod/app/tool_session.h"
#include "rvxmod/memory/format_tool.h"

namespace rvxmod::app {
namespace {

constexpr int kTotalMaximum = 100;

QLabel* label(const QString& text, QWidget* parent) {
    return new QLabel(text, parent);
}

}  // namespace

TFormFormat::TFormFormat(ToolInfoPanel& panel, rvx::UserPort& user, QWidget* parent)
    : QDialog(parent),
      panel_(panel),
      user_(user),
      chip_(new QLabel(this)),
      sector_(new QLabel(this)),
      total_(new QProgressBar(this)),
      sectorBar_(new QProgressBar(this)),
      start_(new QPushButton(tr("Start Format"), this)),
      cancel_(new QPushButton(tr("Cancel"), this)),
      done_(new QPushButton(tr("Done"), this)) {
    setObjectName(QStringLiteral("FormFormat"));
    setWindowTitle(tr("Format"));
    setModal(true);
    start_->setObjectName(QStringLiteral("ButtonStartFormat"));
    cancel_->setObjectName(QStringLiteral("ButtonCancel"));
    done_->setObjectName(QStringLiteral("ButtonDone"));
    total_->setObjectName(QStringLiteral("ProgressBarTotal"));
    sectorBar_->setObjectName(QStringLiteral("ProgressBarSector"));
    total_->setRange(0, kTotalMaximum);
    sectorBar_->setRange(0, memory::kSectorBarMaximum);
    total_->setValue(0);
    sectorBar_->setValue(0);
    done_->hide();

    auto* caution = label(tr("**CAUTION**"), this);
    caution->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    auto* position = new QGridLayout;
    position->addWidget(label(tr("Now Formatting:"), this), 0, 0, 1, 2);
    position->addWidget(label(tr("Chip:"), this), 1, 0);
    position->addWidget(chip_, 1, 1);
    position->addWidget(label(tr("Sector:"), this), 2, 0);
    position->addWidget(sector_, 2, 1);
    position->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {start_, cancel_, done_}) buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caution, 0, Qt::AlignHCenter);
    layout->addWidget(
        label(tr("Do not disconnect tool from computer until format is complete"), this));
    layout->addLayout(position);
    layout->addWidget(sectorBar_);
    layout->addWidget(label(tr("Total Progress"), this));
    layout->addWidget(total_);
    layout->addLayout(buttons);

    connect(start_, &QPushButton::clicked, this, &TFormFormat::startFormat);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(done_, &QPushButton::clicked, this, &QDialog::accept);
}

void TFormFormat::startFormat() {
    running_ = true;
    start_->setEnabled(false);
    cancel_->setEnabled(false);
    int sectors = 0;
    for (const ChipInfo& chip : panel_.session().toolString().Memory.Chips)
        sectors += std::max(chip.sectors, 0);
    total_->setRange(0, std::max(sectors, 1));
    total_->setValue(0);
    sectorBar_->setValue(0);
    sectorsStarted_ = 0;
    // The progress comes from the worker; queued to this form, it is drawn here.
    memory::FormatView view;
    view.nowFormatting = [this](int chip, int sector) {
        QMetaObject::invokeMethod(
            this, [this, chip, sector] { nowFormatting(chip, sector); }, Qt::QueuedConnection);
    };
    view.sectorProgress = [this](int value, int maximum) {
        QMetaObject::invokeMethod(
            this,
            [this, value, maximum] {
                sectorBar_->setMaximum(maximum);
                sectorBar_->setValue(value);
            },
            Qt::QueuedConnection);
    };
    ToolSession& session = panel_.session();
    rvx::UserPort& user = user_;
    auto formatted = std::make_shared<bool>(false);
    panel_.runOnTool(
        [&session, &user, view, formatted] {
            *formatted = memory::startFormat(session.link(), session.toolString(),
                                             session.buffers().badBlocks, user, view);
        },
        [this, formatted] { finish(*formatted); });
}

void TFormFormat::reject() {
    if (!running_) QDialog::reject();
}

void TFormFormat::nowFormatting(int chip, int sector) {
    // A new sector means the one before it is done.
    total_->setValue(sectorsStarted_++);
    chip_->setText(QString::number(chip));
    sector_->setText(QString::number(sector));
}

void TFormFormat::finish(bool formatted) {
    running_ = false;
    cancel_->setEnabled(true);
    if (!formatted) {
        start_->setEnabled(true);
        return;
    }
    total_->setValue(total_->maximum());
    panel_.resetMemoryUsage();
    start_->hide();
    cancel_->hide();
    done_->show();
}

}  // namespace rvxmod::app
