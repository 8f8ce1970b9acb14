#pragma once

#include <QDialog>
#include <QTableWidget>

#include "rvxmod/model/tool_string.h"

namespace rvxmod::app {

// "Job Info": where a job starts and ends in the memory, chip, sector and block.
class TFormJobInfo : public QDialog {
    Q_OBJECT
public:
    TFormJobInfo(const jobObj& job, std::size_t jobIndex, QWidget* parent);

private:
    QTableWidget* cells_;
};

}  // namespace rvxmod::app
