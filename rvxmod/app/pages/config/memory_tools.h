#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

#include "rvxmod/app/widgets/retranslated.h"
#include "rvxmod/link/commands.h"
#include "rvxmod/shell/access_levels.h"

namespace rvxmod::app {

class CommandControls;

// The supervisor's memory maintenance controls of the Config page: the memory address to read
// and the maintenance commands with the memo they write to. The tool session carries the
// commands out.
class MemoryTools : public Retranslated<QGroupBox> {
    Q_OBJECT
public:
    explicit MemoryTools(QWidget* parent);

    void registerCommandControls(CommandControls& controls);
    void applyAccessLevels(const AccessLevels& levels);

    link::MemoryAddress address() const;
    QPlainTextEdit& memo() const { return *memo_; }

Q_SIGNALS:
    void readBlockClicked();
    void readLineClicked();
    void badBlockTableClicked();
    void serialNumberClicked();
    void formatClicked();
    void calFilesClicked();
    void saveCalDateClicked();

private:
    void retranslateUi() override;

    QLabel* chipLabel_;
    QLabel* sectorLabel_;
    QSpinBox* chip_;
    QSpinBox* sector_;
    QSpinBox* block_;
    QSpinBox* line_;
    QPushButton* format_;
    QPushButton* readLine_;
    QPushButton* readBlock_;
    QPushButton* calFiles_;
    QPushButton* badBlockTable_;
    QPushButton* clear_;
    QPushButton* serialNumber_;
    QPushButton* saveCalDate_;
    QPlainTextEdit* memo_;
};

}  // namespace rvxmod::app
