#pragma once

#include <filesystem>

#include "common/user_port.h"
#include "veltrix/data/job.h"
#include "veltrix/readers/depth_file_reader.h"

namespace veltrix {

enum class LoadOutcome {
    Refused,    // the kind was loaded already: nothing changed
    Cancelled,  // no file was chosen: nothing changed
    NotFound,   // the file does not exist or cannot be opened: nothing changed
    StartDate,  // the start could not be parsed: no points
    Stopped,    // a data line could not be read: the points before it are in the job
    Loaded      // the whole file is in the job
};

struct DepthLoad {
    LoadOutcome outcome = LoadOutcome::Refused;
    // What was read (header, start, columns), for the windows' titles and rows; empty when
    // refused or not found.
    DepthFileRead read;
};

// Loads a depth file into the job: the load-once rule, the busy state, every message through the
// port, and on success the job's start times, units, tracker serial, point counts and flags.
// The caller chose the path (or took it from a project while one is being opened). Well
// information rows and chart titles are the windows' part: a "Depth File" row belongs to every
// outcome from StartDate on, a "Depth Start Time" row only to Loaded (not for LineWise files).
DepthLoad loadDepthFile(Job& job, rvx::UserPort& port, const std::filesystem::path& path);

// The "Depth File" command: the load-once rule, then the file named by the project being opened
// or chosen in the open dialog, then loadDepthFile.
DepthLoad openDepthFile(Job& job, rvx::UserPort& port);

}  // namespace veltrix
