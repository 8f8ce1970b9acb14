#include <benchmark/benchmark.h>

#include <array>
#include <filesystem>
#include <memory>
#include <vector>

#include "rvxmod/calibration/coef_obj.h"
#include "rvxmod/calibration/temp_cal.h"
#include "rvxmod/download/calibrated_converter.h"
#include "rvxmod/download/job_download.h"
#include "rvxmod/model/tool_types.h"
#include "tests/rvxmod/download/linear_converter.h"
#include "tests/rvxmod/download/recorded_blocks.h"
#include "tests/support/scripted_user_port.h"

namespace rvxmod {
namespace {

using testing::Bytes;

constexpr std::size_t kSectors = 4;  // a 64-megabit chip: 4 sectors of 256 blocks of 8192 bytes
constexpr std::size_t kBlocks = kSectors * geometry::kBlocksPerSector;

// Piezo, CCL, RTD and Spinner sampled every second: 21-byte records, 387 per block.
TToolChain toolString() {
    return {makeJobTool(kPiezo, 123), makeJobTool(kCCL, 7), makeJobTool(kRTD, 5),
            makeJobTool(kSpinner, 42)};
}

// The same string with calibrations of realistic size: 4th-order coefficient tables for the
// Piezo and a 21-point RTD table.
TToolChain calibratedToolString() {
    TToolChain tools = toolString();
    CoefObj table;
    table.orderX = 4;
    table.orderY = 4;
    for (std::size_t i = 0; i < 25; ++i) table.coefficients[i] = 1.0 / static_cast<double>(i + 1);
    tools[0].PressureCoef = std::make_shared<const CoefObj>(table);
    tools[0].TemperatureCoef = std::make_shared<const CoefObj>(table);
    TdatFile rtd;
    for (int i = 0; i <= 20; ++i) rtd.points.push_back({i * 10.0, 1000.0 + i * 100.0});
    auto temperature = std::make_shared<TTempCal>();
    temperature->setTable(rtd);
    tools[2].TemperatureCal = std::move(temperature);
    return tools;
}

std::vector<Bytes> chipImage() {
    Bytes stream;
    std::uint32_t tenths = 10;
    while (stream.size() < kBlocks * (geometry::kBlockSize - geometry::kHeaderLineSize)) {
        const Bytes r =
            testing::record(static_cast<std::uint16_t>(tenths),
                            {testing::piezoGroup(100000 + tenths % 5000, 25000 + tenths % 700),
                             testing::cclGroup(tenths % 97), testing::rtdGroup(2000 + tenths % 300),
                             testing::spinnerGroup(static_cast<std::uint16_t>(tenths % 240))});
        stream.insert(stream.end(), r.begin(), r.end());
        tenths += 10;
    }
    std::vector<Bytes> blocks = testing::blocksOf(stream, 0);
    blocks.resize(kBlocks);
    // Each block's time word carries the high part of its first record's time.
    std::uint32_t recordsBefore = 0;
    for (Bytes& block : blocks) {
        const std::uint32_t firstTime = (recordsBefore + 1) * 10;
        block[1] = static_cast<std::uint8_t>(firstTime >> 24);
        block[2] = static_cast<std::uint8_t>(firstTime >> 16);
        recordsBefore += (geometry::kBlockSize - geometry::kHeaderLineSize) / 21;
    }
    return blocks;
}

// Decodes every block of the chip image and appends each sector to the job's file.
void downloadChip(benchmark::State& state, const TToolChain& tools, int downloadMode,
                  const SampleConverter& converter, TimeColumn time = TimeColumn::Hours) {
    const std::vector<Bytes> image = chipImage();
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / "rvx_download_bench.rvx";
    MemoryObj memory;
    memory.Code = "RL";
    memory.SerialNumber = 42;
    const RvxOutputOptions options{.time = time, .pressureUnitItem = 3, .temperatureUnit = 1};
    rvx::testing::ScriptedUserPort user;
    const RvxFileContext context{memory, options, converter, user};
    const std::array<int, 4> headerOrder{0, 1, 2, 3};

    std::int64_t samplesWritten = 0;
    for (auto _ : state) {
        jobObj job;
        job.Tools = tools;
        job.RecordSize = 21;
        job.DownloadMode = downloadMode;
        JobDownload download(path, job, context);
        for (std::size_t sector = 0; sector < kSectors; ++sector) {
            download.startSector();
            for (std::size_t block = 0; block < geometry::kBlocksPerSector; ++block)
                download.decodeBlock(image[sector * geometry::kBlocksPerSector + block],
                                     headerOrder);
            if (!download.finishSector(sector + 1 == kSectors))
                state.SkipWithError("the data file could not be written");
        }
        samplesWritten += job.JobSampleCount;
    }
    state.SetItemsProcessed(samplesWritten);
    state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
    std::filesystem::remove(path);
}

void BM_DownloadChipRawCounts(benchmark::State& state) {
    downloadChip(state, toolString(), 0, testing::LinearConverter{});
}
void BM_DownloadChipRealValuesLinear(benchmark::State& state) {
    downloadChip(state, toolString(), 1, testing::LinearConverter{});
}
void BM_DownloadChipRealValuesCoefficients(benchmark::State& state) {
    downloadChip(state, calibratedToolString(), 1,
                 CalibratedConverter(CalculationMethod::Coefficients));
}
void BM_DownloadChipRealValuesRealTime(benchmark::State& state) {
    downloadChip(state, calibratedToolString(), 1,
                 CalibratedConverter(CalculationMethod::Coefficients), TimeColumn::RealTime);
}

BENCHMARK(BM_DownloadChipRawCounts)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_DownloadChipRealValuesLinear)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_DownloadChipRealValuesCoefficients)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_DownloadChipRealValuesRealTime)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
}  // namespace rvxmod
