#include "veltrix/app/crosshair.h"

namespace veltrix {
namespace {

const QString layerName = QStringLiteral("crosshair");

QCPItemStraightLine* addLine(QCustomPlot& chart, QCPLayer* layer) {
    auto* line = new QCPItemStraightLine(&chart);
    line->setLayer(layer);
    line->setPen(QPen(Qt::darkGray, 0, Qt::DashLine));
    line->setSelectable(false);
    line->point1->setType(QCPItemPosition::ptAbsolute);
    line->point2->setType(QCPItemPosition::ptAbsolute);
    return line;
}

}  // namespace

Crosshair::Crosshair(QCustomPlot& chart, Lines lines) : chart_(&chart) {
    chart.addLayer(layerName, chart.layer(QStringLiteral("main")), QCustomPlot::limAbove);
    layer_ = chart.layer(layerName);
    layer_->setMode(QCPLayer::lmBuffered);
    horizontal_ = addLine(chart, layer_);
    if (lines == Lines::Both) vertical_ = addLine(chart, layer_);
    connect(&chart, &QCustomPlot::mouseMove, this, &Crosshair::follow);
}

Crosshair::~Crosshair() {
    if (!chart_) return;
    chart_->removeItem(horizontal_);
    if (vertical_) chart_->removeItem(vertical_);
    chart_->removeLayer(layer_);
    chart_->replot(QCustomPlot::rpQueuedReplot);
}

void Crosshair::follow(QMouseEvent* event) {
    const QPointF at = event->position();
    horizontal_->point1->setCoords(0, at.y());
    horizontal_->point2->setCoords(1, at.y());
    if (vertical_) {
        vertical_->point1->setCoords(at.x(), 0);
        vertical_->point2->setCoords(at.x(), 1);
    }
    layer_->replot();
}

}  // namespace veltrix
