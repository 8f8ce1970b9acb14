#pragma once

#include "veltrix/app/data_chart.h"
#include "veltrix/app/shown_data_set.h"

namespace veltrix {

// `Chart1` ("Base Depth"): line speed and tension across, depth down.
class BaseDepthChart final : public DataChart {
    Q_OBJECT
public:
    BaseDepthChart(const Job& job, QWidget* parent);

    void showJob() override;

protected:
    void updateReadout(const QPointF& position) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Draws the curves thinned to the depth resolution of the current view.
    void drawCurves();

    QCPCurve* speed_;
    QCPCurve* tension_;
    ShownDataSet shownSpeed_;
    ShownDataSet shownTension_;
};

}  // namespace veltrix
