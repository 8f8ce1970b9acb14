#pragma once

#include <string>

namespace rvxmod {

// Status line texts shown while a long operation runs.
enum class StatusText {
    Connecting,
    DownloadingJob,
    ErasingJobs,
    Formatting,
    Programming,
    SavingCalFiles,
    RetrievingCalFiles,
    VerifyingCalFiles,
    DeletingCalFiles,
    ReadingJobData,
    Sampling,
};

inline constexpr int kStatusTextCount = 11;

// The text in the interface language.
std::string statusText(StatusText which);

}  // namespace rvxmod
