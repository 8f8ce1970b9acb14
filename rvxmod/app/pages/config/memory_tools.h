#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "rvxmod/app/widgets/retranslated.h"
#include "rvxmod/shell/access_levels.h"

namespace rvxmod::app {

class CommandControls;

// The supervisor's memory maintenance controls of the Config page: the memory address to read
// and the maintenance commands. The commands are wired up by the memory module code.
class MemoryTools : public Retranslated<QGroupBox> {
    Q_OBJECT
public:
    explicit MemoryTools(QWidget* parent);

    void registerCommandControls(CommandControls& controls);
    void applyAccessLevels(const AccessLevels& levels);

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
};

}  // namespace rvxmod::app
