#include "rvxmod/app/pages/config/memory_tools.h"

#include <QEvent>
#include <QGridLayout>

#include "rvxmod/app/command_controls.h"
#include "rvxmod/model/memory_geometry.h"

namespace rvxmod::app {
namespace {
constexpr int kHighestSector = 7;
constexpr int kHighestLine = geometry::kBlockSize / geometry::kLineSize - 1;

QSpinBox* spinEdit(const char* name, int highest, QWidget* parent) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QLatin1String(name));
    spin->setRange(0, highest);
    return spin;
}

QPushButton* button(const char* name, QWidget* parent) {
    auto* made = new QPushButton(parent);
    made->setObjectName(QLatin1String(name));
    return made;
}
}  // namespace

MemoryTools::MemoryTools(QWidget* parent)
    : Retranslated(parent),
      chipLabel_(new QLabel(this)),
      sectorLabel_(new QLabel(this)),
      chip_(spinEdit("SpinEditChip", geometry::kMaxChips - 1, this)),
      sector_(spinEdit("SpinEditSector", kHighestSector, this)),
      block_(spinEdit("SpinEditBlock", geometry::kBlocksPerSector - 1, this)),
      line_(spinEdit("SpinEditLine", kHighestLine, this)),
      format_(button("ButtonFormat", this)),
      readLine_(button("ButtonReadLine", this)),
      readBlock_(button("ButtonReadBlock", this)),
      calFiles_(button("ButtonCalFiles", this)),
      badBlockTable_(button("ButtonBBTable", this)),
      clear_(button("ButtonClear", this)),
      serialNumber_(button("ButtonSerialNumber", this)),
      saveCalDate_(button("ButtonSaveCalDate", this)),
      memo_(new QPlainTextEdit(this)) {
    memo_->setObjectName(QStringLiteral("MemoMemory"));
    memo_->setReadOnly(true);
    memo_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo_->setWordWrapMode(QTextOption::WrapAnywhere);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->addWidget(chipLabel_, 0, 0);
    layout->addWidget(chip_, 0, 1);
    layout->addWidget(sectorLabel_, 1, 0);
    layout->addWidget(sector_, 1, 1);
    layout->addWidget(block_, 2, 1);
    layout->addWidget(readBlock_, 2, 0);
    layout->addWidget(line_, 3, 1);
    layout->addWidget(readLine_, 3, 0);
    int row = 4;
    for (QPushButton* command :
         {badBlockTable_, format_, calFiles_, serialNumber_, saveCalDate_, clear_})
        layout->addWidget(command, row++, 0, 1, 2);
    layout->setRowStretch(row, 1);
    layout->addWidget(memo_, 0, 2, row + 1, 1);
    layout->setColumnStretch(2, 1);
    connect(readBlock_, &QPushButton::clicked, this, &MemoryTools::readBlockClicked);
    connect(readLine_, &QPushButton::clicked, this, &MemoryTools::readLineClicked);
    connect(badBlockTable_, &QPushButton::clicked, this, &MemoryTools::badBlockTableClicked);
    connect(serialNumber_, &QPushButton::clicked, this, &MemoryTools::serialNumberClicked);
    connect(saveCalDate_, &QPushButton::clicked, this, &MemoryTools::saveCalDateClicked);
    connect(format_, &QPushButton::clicked, this, &MemoryTools::formatClicked);
    connect(calFiles_, &QPushButton::clicked, this, &MemoryTools::calFilesClicked);
    connect(clear_, &QPushButton::clicked, memo_, &QPlainTextEdit::clear);
    retranslateUi();
}

void MemoryTools::registerCommandControls(CommandControls& controls) {
    controls.add({format_, readLine_, readBlock_, calFiles_, badBlockTable_, clear_, serialNumber_,
                  saveCalDate_});
}

void MemoryTools::applyAccessLevels(const AccessLevels& levels) {
    for (QWidget* widget : std::initializer_list<QWidget*>{
             chipLabel_, sectorLabel_, chip_, sector_, block_, line_, badBlockTable_, format_,
             calFiles_, readBlock_, readLine_, serialNumber_, memo_})
        widget->setVisible(levels.supervisor);
    saveCalDate_->setVisible(levels.extraSupervisor);
}

link::MemoryAddress MemoryTools::address() const {
    return {chip_->value(), sector_->value(), block_->value(), line_->value()};
}

void MemoryTools::retranslateUi() {
    setTitle(tr("Memory Tools"));
    chipLabel_->setText(tr("Chip"));
    sectorLabel_->setText(tr("Sector"));
    format_->setText(tr("Format"));
    readLine_->setText(tr("Read Line"));
    readBlock_->setText(tr("Read Block"));
    calFiles_->setText(tr("Cal Files"));
    badBlockTable_->setText(tr("BB Table"));
    clear_->setText(tr("Clear"));
    serialNumber_->setText(tr("Serial Number / Tool Length"));
    saveCalDate_->setText(tr("Save Cal Date"));
}

}  // namespace rvxmod::app
