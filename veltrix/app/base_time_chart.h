#pragma once

#include "veltrix/app/data_chart.h"
#include "veltrix/app/shown_data_set.h"

namespace veltrix {

// `Chart2` ("Base Time"): depth, line speed and tension against time, each on its own axis.
class BaseTimeChart final : public DataChart {
    Q_OBJECT
public:
    BaseTimeChart(const Job& job, QWidget* parent);

    void showJob() override;
    // The time unit token of the depth file, as read, titles the time axis.
    void setTimeUnitToken(const QString& token);

protected:
    void updateReadout(const QPointF& position) override;

private:
    QCPAxis* tensionAxis_;
    QCPGraph* depth_;
    QCPGraph* speed_;
    QCPGraph* tension_;
    ShownDataSet shownDepth_;
    ShownDataSet shownSpeed_;
    ShownDataSet shownTension_;
};

}  // namespace veltrix
