// A whole download through the in-process simulator at 230400 baud, against the time the blocks
// alone take to cross the line. The simulator's virtual clock gives the line time; the benchmark's
// own time is what the program spends beside the line (decoding, converting, writing).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <optional>

#include "rvxmod/download/download_engine.h"
#include "rvxmod/download/tool_memory_cal_source.h"
#include "rvxmod/memory/job_list.h"
#include "rvxmod/memory/memory_size.h"
#include "rvxmod/model/memory_geometry.h"
#include "rvxmod/model/tool_types.h"
#include "rvxmod/sim/job_recorder.h"
#include "rvxmod/sim/simulator_port.h"
#include "tests/support/scripted_user_port.h"

namespace rvxmod {
namespace {

constexpr int kJobBlocks = 240;
constexpr double kBitsPerByte = 10.0;  // start bit, 8 data bits, stop bit

// The demo tool string with one long job recorded, connected and scanned on virtual time.
struct SimulatedDownload {
    SimulatedDownload() : port(simulator, clock), link(port, clock) {
        (void)port.open("sim");
        (void)port.setBaud(link::kUserBaud);
        const std::vector<sim::RecordedTool> tools{{kRarodIdirura, 201}, {kCCL, 310}, {kRTD, 77}};
        int recordBytes = geometry::kRecordTrailerBytes;
        for (const sim::RecordedTool& tool : tools)
            recordBytes += toolTypeInfo(tool.type).jobSampleBytes;
        const int samples =
            kJobBlocks * (geometry::kBlockSize - geometry::kHeaderLineSize) / recordBytes;
        sim::JobRecorder(simulator.flash()).record({{{tools, samples}}, 10, 10});
        toolString.MemoryPresent = true;
        toolString.Memory.Chips[0] = memory::chipInfoOf(64);
        (void)memory::updateMemoryInfo(link, toolString, buffers, user);
    }

    sim::ToolStringSimulator simulator{sim::demoScenario()};
    link::VirtualClock clock;
    sim::SimulatorPort port;
    link::ToolLink link;
    ConnectedToolString toolString;
    memory::MemoryBuffers buffers;
    rvx::testing::ScriptedUserPort user;
};

void BM_DownloadAt230400Baud(benchmark::State& state) {
    SimulatedDownload line;
    const auto folder = std::filesystem::temp_directory_path() / "rvx_engine_bench";
    std::filesystem::create_directories(folder);
    DownloadSettings settings;
    settings.calibration.startupDirectory = folder;
    rvx::DateTime start = 46000.0;
    ToolMemoryCalSource calFiles(line.link, line.toolString.Memory, line.user);
    const DownloadSession session{line.link, line.toolString, line.buffers.badBlocks,
                                  calFiles,  line.user,       start};
    link::Millis lineTime{0};
    int blocks = 0;
    for (auto _ : state) {
        line.user.events.clear();
        line.user.paths = {(folder / "job.rvx").string()};
        const link::Millis before = line.clock.now();
        const DownloadSummary summary = buttonDownloadClick(session, settings, {false, 0, folder});
        lineTime += line.clock.now() - before;
        blocks += line.toolString.Memory.Jobs[0].BlockCount;
        benchmark::DoNotOptimize(summary);
    }
    const double transferSeconds = blocks * geometry::kBlockSize * kBitsPerByte / link::kUserBaud;
    const double downloadSeconds = std::chrono::duration<double>(lineTime).count();
    state.counters["line_s_per_job"] = downloadSeconds / static_cast<double>(state.iterations());
    state.counters["transfer_s_per_job"] =
        transferSeconds / static_cast<double>(state.iterations());
    state.counters["overhead_pct"] = (downloadSeconds / transferSeconds - 1.0) * 100.0;
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_DownloadAt230400Baud)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace rvxmod
