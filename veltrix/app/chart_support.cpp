#include "veltrix/app/chart_support.h"

#include <QLocale>
#include <algorithm>

#include "veltrix/app/curve_thinning.h"
#include "veltrix/app/date_time_conversion.h"

namespace veltrix {

void showTimeData(QCPGraph& graph, const DataSet& set) {
    QVector<QCPGraphData> points(static_cast<qsizetype>(set.size()));
    const auto xs = set.xs();
    const auto ys = set.ys();
    for (std::size_t i = 0; i < set.size(); ++i) {
        points[static_cast<qsizetype>(i)] = {chartSecondsFromDateTime(xs[i]), ys[i]};
    }
    graph.data()->set(points, std::is_sorted(xs.begin(), xs.end()));
}

void showDepthData(QCPCurve& curve, const DataSet& set, double depthPerPixel) {
    const std::vector<std::size_t> drawn = pointsWorthDrawing(set.ys(), set.xs(), depthPerPixel);
    QVector<QCPCurveData> points;
    points.reserve(static_cast<qsizetype>(drawn.size()));
    for (const std::size_t i : drawn) points.append({static_cast<double>(i), set.x(i), set.y(i)});
    curve.data()->set(points, true);
}

QCPRange spanOf(std::span<const double> values) {
    if (values.empty()) return {};
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    return {*low, *high};
}

AxisScale axisScale(const QCPAxis& axis) {
    const double zero = axis.coordToPixel(0.0);
    return {zero, axis.coordToPixel(1.0) - zero};
}

void prepareDataChart(QCustomPlot& chart) {
    chart.setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
    chart.setNoAntialiasingOnDrag(true);
    chart.setBackground(Qt::white);
    for (QCPAxis* axis : chart.axisRect()->axes()) {
        axis->grid()->setPen(QPen(QColor(220, 220, 220), 0, Qt::DotLine));
    }
}

void colourAxis(QCPAxis& axis, const QColor& colour) {
    const QPen pen(colour);
    axis.setBasePen(pen);
    axis.setTickPen(pen);
    axis.setSubTickPen(pen);
    axis.setTickLabelColor(colour);
    axis.setLabelColor(colour);
}

QCPCurve* addDepthCurve(QCPAxis* across, QCPAxis* depth, const QString& name,
                        const QColor& colour) {
    auto* curve = new QCPCurve(across, depth);
    curve->setName(name);
    curve->setPen(QPen(colour));
    return curve;
}

QCPGraph* addTimeGraph(QCPAxis* time, QCPAxis* values, const QString& name, const QColor& colour) {
    QCPGraph* graph = time->parentPlot()->addGraph(time, values);
    graph->setName(name);
    graph->setPen(QPen(colour));
    graph->setAdaptiveSampling(true);
    return graph;
}

QString readoutNumber(double value, int decimals) {
    return QLocale().toString(value, 'f', decimals);
}

}  // namespace veltrix
