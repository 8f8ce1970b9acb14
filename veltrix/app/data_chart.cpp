#include "veltrix/app/data_chart.h"

namespace veltrix {

DataChart::DataChart(const Job& job, QWidget* parent) : QCustomPlot(parent), job_(job) {}

QCPAxis* DataChart::ownAxis(QCPAbstractPlottable& plottable) {
    // Depth charts draw the value across and depth down: their own axis is the key axis.
    return qobject_cast<QCPCurve*>(&plottable) ? plottable.keyAxis() : plottable.valueAxis();
}

void DataChart::mouseMoveEvent(QMouseEvent* event) {
    QCustomPlot::mouseMoveEvent(event);
    updateReadout(event->position());
}

}  // namespace veltrix
