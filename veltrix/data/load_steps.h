#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "common/user_port.h"
#include "veltrix/data/job.h"

namespace veltrix {

// Steps every reader shares around its own reading, so each kind behaves alike.

// The file to read: while a project is being opened, the name it stored (no dialog); otherwise
// the person's choice. Nothing when the dialog is cancelled.
std::optional<std::filesystem::path> chooseInputFile(const Job& job, const std::string& storedName,
                                                     const rvx::FileChoice& choice,
                                                     rvx::UserPort& port);

// Shows "    File not found    " and answers false when the path names no file.
bool requireExistingFile(const std::filesystem::path& path, rvx::UserPort& port);

// After a load that read its whole file: the job holds data now.
void markDataLoaded(Job& job);

}  // namespace veltrix
