#pragma once

#include <QTableWidget>
#include <QTimer>

#include "rvxmod/app/widgets/retranslated.h"
#include "rvxmod/memory/job_list.h"

namespace rvxmod::app {

// The job grid (`StringGridJobs`): job number and approximate samples, whole-row selection.
// A double click asks for the job's download; a long press asks for its Job Info.
class JobGridView : public Retranslated<QTableWidget> {
    Q_OBJECT
public:
    static constexpr int kLongPressMs = 1500;

    explicit JobGridView(QWidget* parent);

    void showGrid(const memory::JobGrid& grid);
    void showNotConnected();
    void clearCells();
    void setSampleCell(int row, const std::string& text);

Q_SIGNALS:
    void downloadRequested(int row);
    void jobInfoRequested(int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void retranslateUi() override;

    QTimer longPress_;
    int pressedRow_ = -1;
};

}  // namespace rvxmod::app
