// Redrawing the depth charts with millions of points: the goal is under 100 ms per redraw.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <cmath>
#include <memory>

#include "veltrix/app/base_depth_chart.h"
#include "veltrix/app/base_time_chart.h"

namespace veltrix {
namespace {

QApplication& application() {
    static int argc = 1;
    static char name[] = "veltrix_chart_bench";
    static char* argv[] = {name, nullptr};
    static const bool offscreen = qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    static_cast<void>(offscreen);
    return app;
}

// A logging trip of one point a second: down to 10,000 ft and back up, speed and tension varying.
std::unique_ptr<Job> tripOf(std::size_t points) {
    auto job = std::make_unique<Job>();
    DepthColumns columns;
    const double start = 45000.0;
    for (std::size_t i = 0; i < points; ++i) {
        const double phase = static_cast<double>(i) / static_cast<double>(points);
        const double depth = 10000.0 * (1.0 - std::abs(2.0 * phase - 1.0));
        columns.time->append(start + static_cast<double>(i) / 86400.0);
        columns.depth->append(depth);
        columns.speed->append(60.0 + 5.0 * std::sin(static_cast<double>(i) * 0.01));
        columns.tension->append(500.0 + 0.05 * depth);
    }
    showDepthColumns(job->data, columns);
    return job;
}

// Shows a trip of state.range(0) points and times `step` followed by a redraw.
template <class Chart, class Step>
void redrawAfter(benchmark::State& state, Step step) {
    application();
    const auto job = tripOf(static_cast<std::size_t>(state.range(0)));
    Chart chart(*job, nullptr);
    chart.resize(800, 500);
    chart.showJob();
    for (auto _ : state) {
        step(chart);
        chart.replot(QCustomPlot::rpImmediateRefresh);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_RedrawBaseTimeChart(benchmark::State& state) {
    redrawAfter<BaseTimeChart>(state, [](BaseTimeChart&) {});
}

void BM_RedrawBaseDepthChart(benchmark::State& state) {
    redrawAfter<BaseDepthChart>(state, [](BaseDepthChart&) {});
}

// A zoom step of the depth chart: the curves are thinned again for the new view, then drawn.
void BM_ZoomBaseDepthChart(benchmark::State& state) {
    bool zoomedIn = false;
    redrawAfter<BaseDepthChart>(state, [&zoomedIn](BaseDepthChart& chart) {
        zoomedIn = !zoomedIn;
        chart.yAxis->setRange(zoomedIn ? QCPRange(4000.0, 6000.0) : QCPRange(0.0, 10000.0));
    });
}

BENCHMARK(BM_RedrawBaseTimeChart)->Arg(2'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawBaseDepthChart)->Arg(2'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZoomBaseDepthChart)->Arg(2'000'000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace veltrix
