#include "veltrix/app/base_time_chart.h"

#include "common/fixed_text.h"
#include "common/text_catalogue.h"
#include "veltrix/app/chart_support.h"
#include "veltrix/app/date_time_conversion.h"

namespace veltrix {
namespace {

QString text(const char* english) {
    return QString::fromStdString(rvx::trText("Charts", english));
}

QString unitText(const std::string& unit) {
    return QString::fromStdString(unit);
}

}  // namespace

BaseTimeChart::BaseTimeChart(const Job& job, QWidget* parent) : DataChart(job, parent) {
    setObjectName(QStringLiteral("Chart2"));
    prepareDataChart(*this);
    auto ticker = QSharedPointer<QCPAxisTickerDateTime>::create();
    ticker->setDateTimeFormat(QStringLiteral("hh:mm:ss\ndd/MM/yy"));
    ticker->setDateTimeSpec(Qt::UTC);
    xAxis->setTicker(ticker);
    xAxis->setLabel(text("Time"));
    yAxis2->setVisible(true);
    tensionAxis_ = axisRect()->addAxis(QCPAxis::atLeft);
    tensionAxis_->grid()->setVisible(false);
    colourAxis(*yAxis2, seriesColour::depth);
    colourAxis(*yAxis, seriesColour::speed);
    colourAxis(*tensionAxis_, seriesColour::tension);
    depth_ = addTimeGraph(xAxis, yAxis2, QStringLiteral("Depth"), seriesColour::depth);
    speed_ = addTimeGraph(xAxis, yAxis, QStringLiteral("Speed_b"), seriesColour::speed);
    tension_ =
        addTimeGraph(xAxis, tensionAxis_, QStringLiteral("Tension_b"), seriesColour::tension);
}

void BaseTimeChart::setTimeUnitToken(const QString& token) {
    xAxis->setLabel(text("Time ") + token);
}

void BaseTimeChart::showJob() {
    const JobDataSets& sets = job().data;
    const auto refresh = [](QCPGraph& graph, const DataSet& set, ShownDataSet& shown) {
        if (!shown.update(set)) return;
        showTimeData(graph, set);
        shown.setKeysSorted(std::is_sorted(set.xs().begin(), set.xs().end()));
    };
    refresh(*depth_, sets.Depth, shownDepth_);
    refresh(*speed_, sets.Speed_b, shownSpeed_);
    refresh(*tension_, sets.Tension_b, shownTension_);
    const JobUnits& units = job().units;
    yAxis2->setLabel(text("Depth ") + QString::fromStdString(std::string(rvx::trim(units.depth))));
    yAxis->setLabel(text("Speed (") + unitText(units.speed) + ")");
    tensionAxis_->setLabel(text("Tension (") + unitText(units.tension) + ")");
    tensionAxis_->setVisible(!sets.Tension_b.empty());
    for (QCPGraph* graph : {depth_, speed_, tension_}) graph->rescaleAxes();
    replot();
}

void BaseTimeChart::updateReadout(const QPointF& position) {
    const JobDataSets& sets = job().data;
    const rvx::DateTime mouseTime = dateTimeFromChartSeconds(xAxis->pixelToCoord(position.x()));
    PickState nearest;
    auto search = [&](const QCPGraph& graph, const DataSet& set, const ShownDataSet& shown) {
        if (!graph.visible()) return -1L;
        const PickQuery query{mouseTime, position.y(), axisScale(*graph.valueAxis()),
                              PickedIndex::PointBefore};
        return nearestAlongKey(set.xs(), set.ys(), shown.keysSorted(), query, nearest);
    };
    const long depthIndex = search(*depth_, sets.Depth, shownDepth_);
    const long tensionIndex = search(*tension_, sets.Tension_b, shownTension_);
    const long speedIndex = search(*speed_, sets.Speed_b, shownSpeed_);

    const JobUnits& units = job().units;
    struct Shown {
        long index;
        const DataSet& set;
        const char* caption;
        const std::string& unit;
    };
    for (const Shown& shown : {Shown{speedIndex, sets.Speed_b, "Speed: ", units.speed},
                               Shown{tensionIndex, sets.Tension_b, "Tension: ", units.tension},
                               Shown{depthIndex, sets.Depth, "Depth: ", units.depth}}) {
        if (shown.index < 0) continue;
        const auto point = static_cast<std::size_t>(shown.index);
        const QTime time = toQDateTime(shown.set.x(point)).time();
        Q_EMIT readout(
            text(shown.caption) + readoutNumber(shown.set.y(point)) + " " + unitText(shown.unit),
            text("Time: ") + time.toString(QStringLiteral("hh:mm:ss AP")));
        return;
    }
    Q_EMIT readout({}, {});
}

}  // namespace veltrix
