#include "rvxmod/sim/recorded_memory.h"

#include "rvxmod/model/tool_types.h"
#include "rvxmod/sim/bad_block_table.h"

namespace rvxmod::sim {

namespace {

constexpr FlashAddress kBadBlockInSecondJob{0, 0, 40, 0};
constexpr int kSamplesPerRun = 6000;
constexpr std::uint32_t kSecondTenths = 10;

std::vector<RecordedTool> sensorsOf(const Scenario& scenario) {
    std::vector<RecordedTool> tools;
    for (const SimTool& tool : scenario.tools) {
        if (tool.type != kMemory) tools.push_back({tool.type, tool.serialNumber});
    }
    return tools;
}

}  // namespace

std::vector<RecordedJob> recordScenarioJobs(const Scenario& scenario, FlashImage& flash) {
    flash.markBad(kBadBlockInSecondJob);
    writeBadBlockTable(flash);
    const std::vector<RecordedTool> sensors = sensorsOf(scenario);
    if (sensors.empty()) return {};
    const std::vector<RecordedTool> withoutFirst(sensors.begin() + 1, sensors.end());

    JobRecorder recorder(flash);
    std::vector<RecordedJob> jobs;
    const std::vector<JobRecording> runs{
        {{{sensors, kSamplesPerRun}}, 0, kSecondTenths},
        {{{sensors, kSamplesPerRun}, {withoutFirst, kSamplesPerRun / 2}, {sensors, kSamplesPerRun}},
         60000,
         kSecondTenths},
        {{{sensors, kSamplesPerRun / 3}}, 1234, 2 * kSecondTenths},
    };
    for (const JobRecording& run : runs) {
        if (const auto job = recorder.record(run)) jobs.push_back(*job);
    }
    return jobs;
}

}  // namespace rvxmod::sim
