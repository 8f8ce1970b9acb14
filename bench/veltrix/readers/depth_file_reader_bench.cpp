// Reading a one-million-line ".dep" file: the goal is under a second, and under 100 bytes of
// memory per point (counters "column_bytes_per_point" for what the job keeps and
// "peak_bytes_per_point" adding the whole-file buffer held while parsing).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "veltrix/readers/depth_file_reader.h"

namespace {

constexpr int kLines = 1'000'000;

// A QZ depth file logging one line per second while running in at about 30 ft/min, removed at
// exit.
class GeneratedDepthFile {
public:
    GeneratedDepthFile() : path_(std::filesystem::temp_directory_path() / "veltrix_bench_1M.dep") {
        std::ofstream out(path_, std::ios::binary);
        out << "QZ depth record\r\nStart Time: 2024/01/15 10:00:00\r\nWell: bench\r\n\r\n\r\n"
               "(secs) (ft)\r\n";
        char line[64];
        for (int i = 0; i < kLines; ++i) {
            const int length =
                std::snprintf(line, sizeof line, "%d.5 %.2f\r\n", i, 100.0 + i * 0.5);
            out.write(line, length);
        }
    }
    ~GeneratedDepthFile() {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }
    GeneratedDepthFile(const GeneratedDepthFile&) = delete;
    GeneratedDepthFile& operator=(const GeneratedDepthFile&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

const std::filesystem::path& generatedDepthFile() {
    static const GeneratedDepthFile file;
    return file.path();
}

std::size_t columnBytes(const veltrix::DepthColumns& columns) {
    return (columns.time->values().size() + columns.depth->values().size() +
            columns.speed->values().size() + columns.tension->values().size()) *
           sizeof(double);
}

void BM_ReadMillionLineDepFile(benchmark::State& state) {
    const std::filesystem::path& path = generatedDepthFile();
    const auto fileBytes = static_cast<double>(std::filesystem::file_size(path));
    veltrix::DepthReadContext context;
    std::size_t points = 0;
    double bytes = 0;
    for (auto _ : state) {
        rvx::Result<veltrix::DepthFileRead> read = veltrix::readDepthFile(path, context);
        if (!read || read->stop) {
            state.SkipWithError("the generated file did not read");
            return;
        }
        points = read->pointCount();
        bytes = static_cast<double>(columnBytes(read->columns));
        benchmark::DoNotOptimize(read);
    }
    state.counters["points"] = static_cast<double>(points);
    state.counters["column_bytes_per_point"] = bytes / static_cast<double>(points);
    state.counters["peak_bytes_per_point"] = (bytes + fileBytes) / static_cast<double>(points);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(points));
}
BENCHMARK(BM_ReadMillionLineDepFile)->Unit(benchmark::kMillisecond);

}  // namespace
