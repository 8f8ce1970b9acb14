// Data files are written and read a line at a time: millions of numbers and times per job.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "common/date_format.h"
#include "common/date_parse.h"
#include "common/number_format.h"
#include "common/number_parse.h"

namespace {

std::vector<double> sampleValues(std::size_t count) {
    std::vector<double> values;
    values.reserve(count);
    for (std::size_t i = 0; i < count; ++i) values.push_back(14.3 + static_cast<double>(i) * 0.731);
    return values;
}

void formatFixedThreeDecimals(benchmark::State& state) {
    const std::vector<double> values = sampleValues(1000);
    for (auto _ : state) {
        for (const double value : values) benchmark::DoNotOptimize(rvx::formatFixed(value, 3));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(values.size()));
}
BENCHMARK(formatFixedThreeDecimals);

void formatGeneralShortest(benchmark::State& state) {
    const std::vector<double> values = sampleValues(1000);
    for (auto _ : state) {
        for (const double value : values) benchmark::DoNotOptimize(rvx::formatGeneral(value));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(values.size()));
}
BENCHMARK(formatGeneralShortest);

void parseDecimal(benchmark::State& state) {
    std::vector<std::string> texts;
    for (const double value : sampleValues(1000)) texts.push_back(rvx::formatFixed(value, 3, ','));
    for (auto _ : state) {
        for (const std::string& text : texts) benchmark::DoNotOptimize(rvx::parseDouble(text, ','));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts.size()));
}
BENCHMARK(parseDecimal);

void formatAndParseTimestamp(benchmark::State& state) {
    rvx::FormatSettings settings;
    settings.shortDateFormat = "yyyy/mm/dd";
    const rvx::DateTime start = 45000.25;
    std::int64_t second = 0;
    for (auto _ : state) {
        const std::string text =
            rvx::formatDateTime("yyyy/mm/dd hh:nn:ss:zzz", start + ++second / 86400.0, settings);
        benchmark::DoNotOptimize(rvx::parseDateTime(text, settings));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(formatAndParseTimestamp);

}  // namespace
