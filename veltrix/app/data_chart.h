#pragma once

#include "veltrix/app/qcustomplot_header.h"

#include "veltrix/data/job.h"

namespace veltrix {

// A chart of the job's data sets. It shows what the job holds when asked, and reports what lies
// under the mouse as the two read-out texts of the status bar (empty texts clear them).
class DataChart : public QCustomPlot {
    Q_OBJECT
public:
    DataChart(const Job& job, QWidget* parent);

    // Draws data sets that were replaced or changed since the last call and renews the titles.
    virtual void showJob() = 0;
    // The plottable whose axis the series editor should retitle.
    static QCPAxis* ownAxis(QCPAbstractPlottable& plottable);

Q_SIGNALS:
    void readout(const QString& first, const QString& second);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    virtual void updateReadout(const QPointF& position) = 0;

    const Job& job() const { return job_; }

private:
    const Job& job_;
};

}  // namespace veltrix
