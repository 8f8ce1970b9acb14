#include "veltrix/data/load_steps.h"

#include <system_error>

#include "common/text_catalogue.h"

namespace veltrix {

std::optional<std::filesystem::path> chooseInputFile(const Job& job, const std::string& storedName,
                                                     const rvx::FileChoice& choice,
                                                     rvx::UserPort& port) {
    if (job.flags.projectLoading && !storedName.empty()) return storedName;
    return port.chooseOpenFile(choice);
}

bool requireExistingFile(const std::filesystem::path& path, rvx::UserPort& port) {
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error)) return true;
    port.showError(rvx::trText("Job", "    File not found    "));
    return false;
}

void markDataLoaded(Job& job) {
    job.flags.emptyJob = false;
    job.flags.dataLoaded = true;
}

}  // namespace veltrix
