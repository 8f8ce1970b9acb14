#pragma once

#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "common/user_port.h"

namespace rvxmod::app {

class ToolInfoPanel;

// "Format": starts the tool's own format and follows it sector by sector. It cannot be closed
// while the tool formats.
class TFormFormat : public QDialog {
    Q_OBJECT
public:
    TFormFormat(ToolInfoPanel& panel, rvx::UserPort& user, QWidget* parent);

    void startFormat();

protected:
    void reject() override;

private:
    void nowFormatting(int chip, int sector);
    void finish(bool formatted);

    ToolInfoPanel& panel_;
    rvx::UserPort& user_;
    QLabel* chip_;
    QLabel* sector_;
    QProgressBar* total_;
    QProgressBar* sectorBar_;
    QPushButton* start_;
    QPushButton* cancel_;
    QPushButton* done_;
    bool running_ = false;
    int sectorsStarted_ = 0;
};

}  // namespace rvxmod::app
