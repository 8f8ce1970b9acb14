#include "rvxmod/shell/status_texts.h"

#include "common/text_catalogue.h"

namespace rvxmod {

std::string statusText(StatusText which) {
    switch (which) {
        case StatusText::Connecting:
            return rvx::trText("Status", "Connecting to tool...");
        case StatusText::DownloadingJob:
            return rvx::trText("Status", "Downloading job data. This may take some time...");
        case StatusText::ErasingJobs:
            return rvx::trText(
                "Status", "Erasing all job data. Please be patient, this will take some time...");
        case StatusText::Formatting:
            return rvx::trText("Status",
                               "Formatting tool. Please be patient, this will take some time...");
        case StatusText::Programming:
            return rvx::trText("Status", "Programming job steps into tool....");
        case StatusText::SavingCalFiles:
            return rvx::trText("Status", "Saving cal files to tool...");
        case StatusText::RetrievingCalFiles:
            return rvx::trText("Status", "Retrieving cal files from tool...");
        case StatusText::VerifyingCalFiles:
            return rvx::trText("Status", "Verifying calibration files...");
        case StatusText::DeletingCalFiles:
            return rvx::trText("Status", "Deleting cal files from tool...");
        case StatusText::ReadingJobData:
            return rvx::trText("Status", "Reading job data. This may take some time...");
        case StatusText::Sampling:
            return rvx::trText("Status", "Sampling tool...");
    }
    return {};
}

}  // namespace rvxmod
