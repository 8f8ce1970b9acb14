#pragma once

#include "veltrix/app/qcustomplot_header.h"

#include "veltrix/data/data_set.h"
#include "veltrix/data/nearest_point.h"

namespace veltrix {

// Series colours shared by every chart that shows the quantity.
namespace seriesColour {
inline const QColor depth{0, 128, 0};
inline const QColor speed{30, 144, 255};
inline const QColor tension{139, 69, 19};
}  // namespace seriesColour

// Draws a data set of (date-time, value) points on a time graph. The keys are passed as sorted
// when they are, so the graph skips its own sort; graphs thin dense data when drawing.
void showTimeData(QCPGraph& graph, const DataSet& set);
// Draws a data set of (value, depth) points in file order, depth down, thinned to what shows at
// the given depth resolution.
void showDepthData(QCPCurve& curve, const DataSet& set, double depthPerPixel);
// The range a set of values spans (an empty set spans nothing).
QCPRange spanOf(std::span<const double> values);

// How values of the axis map to pixels right now.
AxisScale axisScale(const QCPAxis& axis);

// A chart with the look shared by the data charts: zoom and drag, light grid, legend off.
void prepareDataChart(QCustomPlot& chart);
// Colours the axis line, ticks, labels and title.
void colourAxis(QCPAxis& axis, const QColor& colour);

// Adds a series with its colour; curves keep file order, graphs keep their keys sorted.
QCPCurve* addDepthCurve(QCPAxis* across, QCPAxis* depth, const QString& name, const QColor& colour);
QCPGraph* addTimeGraph(QCPAxis* time, QCPAxis* values, const QString& name, const QColor& colour);

// A read-out number: thousands separators and the given decimals.
QString readoutNumber(double value, int decimals = 2);

}  // namespace veltrix
