#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/date_time.h"
#include "rvxmod/download/download_engine.h"
#include "rvxmod/download/tool_memory_cal_source.h"
#include "rvxmod/memory/job_list.h"
#include "tests/rvxmod/download/temp_folder.h"
#include "tests/rvxmod/memory/memory_line.h"
#include "tests/rvxmod/memory/recorded_jobs.h"

namespace rvxmod::testing {

inline constexpr std::size_t kHeaderLines = 7;  // header, empty line, title and units lines

// The demo memory module on virtual time, connected and scanned, downloading into a fresh
// working folder.
class EngineTest : public TempFolderTest {
protected:
    EngineTest() {
        MemoryObj& memory = line.toolString.Memory;
        memory.Name = "Memory";
        memory.Code = "RL";
        memory.SerialNumber = 1021;
        settings.calibration.startupDirectory = std::filesystem::current_path();
    }

    // Records the jobs one after another and reads the job list as connecting would.
    void record(const std::vector<sim::JobRecording>& jobs) {
        sim::JobRecorder recorder(line.flash());
        for (const sim::JobRecording& job : jobs) ASSERT_TRUE(recorder.record(job).has_value());
        ASSERT_TRUE(memory::updateMemoryInfo(*line.link, line.toolString, line.buffers, line.user));
    }

    DownloadSummary download(bool allJobs, std::size_t selectedJob = 0) {
        ToolMemoryCalSource calFiles(*line.link, line.toolString.Memory, line.user);
        const DownloadSession session{*line.link, line.toolString, line.buffers.badBlocks,
                                      calFiles,   line.user,       startDialogValue};
        return buttonDownloadClick(session, settings,
                                   {allJobs, selectedJob, std::filesystem::current_path()});
    }

    // The lines of a data file after its header.
    static std::vector<std::string> dataLines(const std::filesystem::path& file) {
        const std::string text = contents(file);
        std::vector<std::string> lines;
        for (std::size_t start = 0; start < text.size();) {
            const std::size_t end = text.find("\r\n", start);
            if (end == std::string::npos) break;
            lines.push_back(text.substr(start, end - start));
            start = end + 2;
        }
        if (lines.size() < kHeaderLines) return {};
        return {lines.begin() + kHeaderLines, lines.end()};
    }

    MemoryLine line;
    DownloadSettings settings;
    rvx::DateTime startDialogValue = rvx::encodeDateTime({2026, 12, 1, 8, 0, 0, 0});
};

}  // namespace rvxmod::testing
