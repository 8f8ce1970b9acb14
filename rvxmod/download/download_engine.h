#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "common/date_time.h"
#include "common/user_port.h"
#include "rvxmod/calibration/cal_file_source.h"
#include "rvxmod/calibration/cal_loading.h"
#include "rvxmod/download/rvx_output_options.h"
#include "rvxmod/link/tool_link.h"
#include "rvxmod/memory/bad_block_map.h"
#include "rvxmod/model/tool_string.h"

namespace rvxmod {

// The preferences a download follows.
struct DownloadSettings {
    int fileFormat = 0;  // 0 raw counts, 1 real values, 2 both
    RvxOutputOptions output;
    CalLoadSettings calibration;
};

// What a download reads and changes; every reference must outlive the call.
struct DownloadSession {
    link::ToolLink& link;
    ConnectedToolString& toolString;
    const memory::BadBlockMap& badBlocks;
    CalFileSource& calFiles;
    rvx::UserPort& user;
    // The start date and time dialog keeps its value from one question to the next; a cancelled
    // question takes it unchanged.
    rvx::DateTime& startDialogValue;
};

struct DownloadRequest {
    bool allJobs = true;
    std::size_t selectedJob = 0;         // the job grid's selected row, for a single job
    std::filesystem::path dialogFolder;  // where the folder or file proposal is made
};

struct DownloadedJob {
    std::size_t jobIndex = 0;
    std::string sampleCell;  // the job grid's sample cell: (JobSampleCount - 1) + " (exact)"
    std::vector<std::filesystem::path> files;
    bool complete = false;  // false: the job ended early, as the messages shown said
};

struct DownloadSummary {
    std::vector<DownloadedJob> jobs;  // in download order, the stopped job not listed
    bool stopped = false;             // a data file could not be written
};

// The "Download Job" command: the selected job or every job of the memory module into RVX data
// files, asking for the folder or file, each job's start date and time and, for real values, the
// calibrations. Commands are disabled for its length and enabled again on every path; temporary
// calibration files are removed at the end.
DownloadSummary buttonDownloadClick(const DownloadSession& session,
                                    const DownloadSettings& settings,
                                    const DownloadRequest& request);

// The sample cell of a downloaded job: (JobSampleCount - 1) + " (exact)", or "0" below 2.
std::string exactSampleCell(const jobObj& job);

}  // namespace rvxmod
