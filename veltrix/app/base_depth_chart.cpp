#include "veltrix/app/base_depth_chart.h"

#include "common/fixed_text.h"
#include "common/text_catalogue.h"
#include "veltrix/app/chart_support.h"

namespace veltrix {
namespace {

QString text(const char* english) {
    return QString::fromStdString(rvx::trText("Charts", english));
}

// A point closer than this, in pixels, counts as under the mouse.
constexpr double underMouseDistance = 4.0;

}  // namespace

BaseDepthChart::BaseDepthChart(const Job& job, QWidget* parent) : DataChart(job, parent) {
    setObjectName(QStringLiteral("Chart1"));
    prepareDataChart(*this);
    yAxis->setRangeReversed(true);
    colourAxis(*xAxis, seriesColour::speed);
    colourAxis(*xAxis2, seriesColour::tension);
    speed_ = addDepthCurve(xAxis, yAxis, QStringLiteral("Speed"), seriesColour::speed);
    tension_ = addDepthCurve(xAxis2, yAxis, QStringLiteral("Tension"), seriesColour::tension);
    connect(yAxis, qOverload<const QCPRange&>(&QCPAxis::rangeChanged), this,
            &BaseDepthChart::drawCurves);
}

void BaseDepthChart::showJob() {
    const JobDataSets& sets = job().data;
    const bool speedChanged = shownSpeed_.update(sets.Speed);
    const bool tensionChanged = shownTension_.update(sets.Tension);
    const JobUnits& units = job().units;
    yAxis->setLabel(text("Depth ") + QString::fromStdString(std::string(rvx::trim(units.depth))));
    xAxis->setLabel(text("Speed (") + QString::fromStdString(units.speed) + ")");
    xAxis2->setLabel(text("Tension (") + QString::fromStdString(units.tension) + ")");
    xAxis2->setVisible(!sets.Tension.empty());
    if (speedChanged || tensionChanged) {
        xAxis->setRange(spanOf(sets.Speed.xs()));
        xAxis2->setRange(spanOf(sets.Tension.xs()));
        yAxis->setRange(spanOf(sets.Speed.ys()));
    }
    drawCurves();
    replot();
}

void BaseDepthChart::drawCurves() {
    const JobDataSets& sets = job().data;
    const double depthPerPixel = yAxis->range().size() / std::max(axisRect()->height(), 100);
    showDepthData(*speed_, sets.Speed, depthPerPixel);
    showDepthData(*tension_, sets.Tension, depthPerPixel);
}

void BaseDepthChart::resizeEvent(QResizeEvent* event) {
    DataChart::resizeEvent(event);
    drawCurves();
}

void BaseDepthChart::updateReadout(const QPointF& position) {
    const JobDataSets& sets = job().data;
    const double mouseDepth = yAxis->pixelToCoord(position.y());
    auto search = [&](const QCPCurve& curve, const DataSet& set, PickState& state) {
        if (!curve.visible()) return -1L;
        const PickQuery query{mouseDepth, position.x(), axisScale(*curve.keyAxis()),
                              PickedIndex::PointItself};
        return nearestAlongKey(set.ys(), set.xs(), false, query, state);
    };
    PickState speedUnderMouse{underMouseDistance};
    PickState tensionUnderMouse{underMouseDistance};
    long speedIndex = search(*speed_, sets.Speed, speedUnderMouse);
    long tensionIndex = -1;
    if (speedIndex < 0) tensionIndex = search(*tension_, sets.Tension, tensionUnderMouse);
    if (speedIndex < 0 && tensionIndex < 0) {
        PickState nearest;
        tensionIndex = search(*tension_, sets.Tension, nearest);
        speedIndex = search(*speed_, sets.Speed, nearest);
    }
    const JobUnits& units = job().units;
    const bool showSpeed = speedIndex >= 0;
    const DataSet& shown = showSpeed ? sets.Speed : sets.Tension;
    const long index = showSpeed ? speedIndex : tensionIndex;
    if (index < 0) {
        Q_EMIT readout({}, {});
        return;
    }
    const auto point = static_cast<std::size_t>(index);
    const QString value = readoutNumber(shown.x(point)) + " " +
                          QString::fromStdString(showSpeed ? units.speed : units.tension);
    Q_EMIT readout((showSpeed ? text("Speed: ") : text("Tension: ")) + value,
                   text("Depth: ") + readoutNumber(shown.y(point)) + " " +
                       QString::fromStdString(units.depth));
}

}  // namespace veltrix
