// Conversion and load times of the three converters on calibrations of realistic size.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "rvxmod/calibration/cal_file.h"
#include "rvxmod/calibration/coef_fit.h"
#include "rvxmod/calibration/temp_cal.h"
#include "rvxmod/calibration/wave_cal.h"

namespace {

using namespace rvxmod;

// Counts of a quartz-like pressure gauge: pressure counts rise with pressure and drift with
// temperature, temperature counts rise with temperature and barely see pressure.
CalPoint gaugePoint(double psi, double celsius) {
    const double x =
        1.0e6 + 180.0 * psi + 0.0009 * psi * psi + (celsius - 25.0) * (350.0 + 0.01 * psi);
    const double y = 5.0e5 + 2400.0 * celsius + 1.5 * celsius * celsius - 0.02 * psi;
    return {psi, celsius, std::round(x), std::round(y)};
}

// A calibration of pressures x temperatures steps, the way a dead-weight tester run is laid out.
std::string gaugeFileText(int pressures, int temperatures) {
    std::string text = "RZ00201,2026/03/15\r\nbench\r\nPY:4,PX:4,TY:4,TX:4\r\nP,T,X,Y\r\n";
    for (int t = 0; t < temperatures; ++t)
        for (int p = 0; p < pressures; ++p) {
            const CalPoint point = gaugePoint(14.7 + 15000.0 * p / (pressures - 1),
                                              20.0 + 160.0 * t / (temperatures - 1));
            text += std::to_string(point.P) + "," + std::to_string(point.T) + "," +
                    std::to_string(point.X) + "," + std::to_string(point.Y) + "\r\n";
        }
    return text;
}

DatFile gaugeFile(int pointCount) {
    const int pressures = pointCount == 100 ? 10 : 20;
    return parseDatText(gaugeFileText(pressures, pointCount / pressures), "bench.dat").value();
}

// Samples spread over the calibrated range, as a survey passes through it.
std::vector<CalPoint> samples() {
    std::mt19937 random(1);
    std::uniform_real_distribution<double> psi(0.0, 15000.0);
    std::uniform_real_distribution<double> celsius(20.0, 180.0);
    std::vector<CalPoint> result;
    for (int i = 0; i < 4096; ++i) result.push_back(gaugePoint(psi(random), celsius(random)));
    return result;
}

void BM_WaveCalConvert(benchmark::State& state) {
    const DatFile file = gaugeFile(static_cast<int>(state.range(0)));
    const TWaveCal cal = TWaveCal::fromPoints(file.points, "bench.dat").value();
    const std::vector<CalPoint> inputs = samples();
    std::size_t i = 0;
    for (auto _ : state) {
        const CalPoint& s = inputs[i++ % inputs.size()];
        benchmark::DoNotOptimize(cal.Convert(s.X, s.Y));
    }
}
BENCHMARK(BM_WaveCalConvert)->Arg(100)->Arg(300);

void BM_WaveCalLoad(benchmark::State& state) {
    const DatFile file = gaugeFile(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(TWaveCal::fromPoints(file.points, "bench.dat"));
}
BENCHMARK(BM_WaveCalLoad)->Arg(100)->Arg(300)->Unit(benchmark::kMillisecond);

void BM_DatFileParse(benchmark::State& state) {
    const std::string text = gaugeFileText(20, 15);
    for (auto _ : state) benchmark::DoNotOptimize(parseDatText(text, "bench.dat"));
}
BENCHMARK(BM_DatFileParse)->Unit(benchmark::kMicrosecond);

void BM_MakeCoefFile(benchmark::State& state) {
    const DatFile file = gaugeFile(300);
    for (auto _ : state) {
        benchmark::DoNotOptimize(MakeCoefFile(file, false));
        benchmark::DoNotOptimize(MakeCoefFile(file, true));
    }
}
BENCHMARK(BM_MakeCoefFile)->Unit(benchmark::kMicrosecond);

void BM_CalculateCof(benchmark::State& state) {
    const DatFile file = gaugeFile(300);
    const CoefObj table = MakeCoefFile(file, false).value();
    const std::vector<CalPoint> inputs = samples();
    std::size_t i = 0;
    for (auto _ : state) {
        const CalPoint& s = inputs[i++ % inputs.size()];
        benchmark::DoNotOptimize(CalculateCof(table, s.X, s.Y));
    }
}
BENCHMARK(BM_CalculateCof);

void BM_TempCalConvert(benchmark::State& state) {
    TdatFile file;
    for (int t = 0; t <= 200; t += 10)
        file.points.push_back({static_cast<double>(t), 20000.0 + 38.5 * t + 0.006 * t * t});
    TTempCal cal;
    cal.setTable(file);
    cal.setPrecision(static_cast<TPrec>(state.range(0)));
    std::mt19937 random(2);
    std::uniform_real_distribution<double> count(19500.0, 28000.0);
    std::vector<double> inputs(4096);
    for (double& c : inputs) c = count(random);
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(cal.Convert(inputs[i++ % inputs.size()]));
}
BENCHMARK(BM_TempCalConvert)->Arg(0)->Arg(1)->Arg(2);

}  // namespace
