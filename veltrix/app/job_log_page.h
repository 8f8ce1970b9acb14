#pragma once

#include <QWidget>

#include "common/user_port.h"
#include "veltrix/app/grid_model.h"
#include "veltrix/data/job.h"
#include "veltrix/project/job_log.h"

class QTableView;

namespace veltrix {

// Page "Job Log": the grid `JobLogGrid` and its tools Copy Time, Find Depth, Add Row, Delete Row.
class JobLogPage final : public QWidget {
    Q_OBJECT
public:
    JobLogPage(JobLog& log, const Job& job, rvx::UserPort& port, QWidget* parent);

    // Shows the log again after it was changed directly (Reset).
    void reload();
    QTableView& grid() { return *grid_; }

    void copyTime();
    void findDepth();
    void addRow();
    void deleteRow();

private:
    QModelIndex currentCell() const;

    JobLog& log_;
    const Job& job_;
    rvx::UserPort& port_;
    GridModel<JobLog>* model_;
    QTableView* grid_;
};

}  // namespace veltrix
