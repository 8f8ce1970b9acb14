#include "rvxmod/download/download_engine.h"

#include <optional>

#include "common/text_catalogue.h"
#include "rvxmod/calibration/temp_cal_files.h"
#include "rvxmod/download/calibrated_converter.h"
#include "rvxmod/download/datafiles_folder.h"
#include "rvxmod/download/job_block_walk.h"
#include "rvxmod/download/rvx_file_names.h"
#include "rvxmod/memory/job_list.h"

namespace rvxmod {
namespace {

constexpr int kSoundClick = 0;
constexpr int kSoundDownloadBegins = 2;
constexpr int kSoundDownloadEnded = 8;

std::string tr(const char* english) {
    return rvx::trText("Download", english);
}

bool downloadAllowed(const ConnectedToolString& toolString, rvx::UserPort& user) {
    if (toolString.QuickConnect) {
        memory::quickConnectTicked(user);
        return false;
    }
    if (!toolString.MemoryPresent) {
        user.showWarning(tr("There is no memory module present, cannot download jobs."));
        return false;
    }
    return true;
}

// Puts the window back after a download, however it ends.
class DownloadCleanup {
public:
    DownloadCleanup(rvx::UserPort& user, std::filesystem::path startupDirectory)
        : user_(user), startupDirectory_(std::move(startupDirectory)) {}
    ~DownloadCleanup() {
        deleteTempCalfiles(startupDirectory_);
        user_.setProgress(0, 0);
        user_.setStatus("");
    }
    DownloadCleanup(const DownloadCleanup&) = delete;
    DownloadCleanup& operator=(const DownloadCleanup&) = delete;

private:
    rvx::UserPort& user_;
    std::filesystem::path startupDirectory_;
};

std::vector<std::filesystem::path> filesOf(const jobObj& job, const std::filesystem::path& file) {
    if (job.DownloadMode != 2) return {file};
    return {file, rawCountsFileName(file.string())};
}

// Walks the chosen jobs into their files, reporting each to the summary.
class Downloader {
public:
    Downloader(const DownloadSession& session, const DownloadSettings& settings)
        : session_(session),
          settings_(settings),
          converter_(settings.calibration.method),
          files_{session.toolString.Memory, settings.output, converter_, session.user},
          walk_{session.link,         session.toolString.Memory, session.badBlocks,
                settings.calibration, session.calFiles,          files_} {}

    jobObj& job(std::size_t index) { return session_.toolString.Memory.Jobs[index]; }

    // The start date and time, the download mode and, for real values, the calibrations.
    void prepare(std::size_t index) {
        rvx::UserPort& user = session_.user;
        const std::string caption =
            tr("Enter the Start Date and Start Time for job ") + std::to_string(index + 1);
        if (const auto entered = user.askDateTime(caption, session_.startDialogValue))
            session_.startDialogValue = *entered;
        jobObj& chosen = job(index);
        chosen.JobStart = session_.startDialogValue;
        chosen.DownloadMode = settings_.fileFormat;
        if (chosen.DownloadMode != 0 &&
            !loadCalsToToolChain(chosen.Tools, settings_.calibration, session_.calFiles, user)) {
            chosen.DownloadMode = 0;
        }
    }

    // False when a file could not be written: the download stops.
    bool download(std::size_t index, const std::filesystem::path& file) {
        jobObj& chosen = job(index);
        chosen.JobSampleCount = 0;
        const JobOutcome outcome = downloadJob(walk_, index, file);
        chosen.RawHeaderWritten = false;
        chosen.RealHeaderWritten = false;
        if (outcome == JobOutcome::WriteFailed) {
            summary_.stopped = true;
            return false;
        }
        summary_.jobs.push_back({index, exactSampleCell(chosen), filesOf(chosen, file),
                                 outcome == JobOutcome::Complete});
        return true;
    }

    void begin() {
        session_.user.playSound(kSoundDownloadBegins);
        session_.user.setStatus(tr("Downloading job data. This may take some time..."));
    }
    void end() { session_.user.playSound(kSoundDownloadEnded); }

    DownloadSummary summary() const { return summary_; }

private:
    const DownloadSession& session_;
    const DownloadSettings& settings_;
    CalibratedConverter converter_;
    RvxFileContext files_;
    JobWalkContext walk_;
    DownloadSummary summary_;
};

DownloadSummary downloadAllJobs(const DownloadSession& session, const DownloadSettings& settings,
                                const DownloadRequest& request) {
    MemoryObj& memory = session.toolString.Memory;
    const auto folder = chooseDatafilesFolder(request.dialogFolder, memory, session.user);
    if (!folder) return {};
    Downloader downloader(session, settings);
    for (std::size_t i = 0; i < memory.Jobs.size(); ++i) {
        if (!memory.Jobs[i].Corrupt) downloader.prepare(i);
    }
    downloader.begin();
    for (std::size_t i = 0; i < memory.Jobs.size(); ++i) {
        const jobObj& job = memory.Jobs[i];
        if (job.Corrupt) continue;
        const std::string name =
            proposedRvxFileName(memory, static_cast<int>(i) + 1, job.DownloadMode == 0);
        if (!downloader.download(i, *folder / name)) return downloader.summary();
    }
    downloader.end();
    return downloader.summary();
}

DownloadSummary downloadSelectedJob(const DownloadSession& session,
                                    const DownloadSettings& settings,
                                    const DownloadRequest& request) {
    MemoryObj& memory = session.toolString.Memory;
    const std::size_t index = request.selectedJob;
    if (index >= memory.Jobs.size()) return {};
    if (memory.Jobs[index].Corrupt) {
        session.user.showError(tr("The data for this job is corrupt. Cannot download."));
        return {};
    }
    const std::string name =
        proposedRvxFileName(memory, static_cast<int>(index) + 1, settings.fileFormat == 0);
    const rvx::FileChoice choice{tr("Select file to save data to"),
                                 (request.dialogFolder / name).string(),
                                 {tr("rvx data file(*.rvx)"), tr("any files (*.*)")}};
    const auto file = session.user.chooseSaveFile(choice);
    if (!file) return {};
    Downloader downloader(session, settings);
    downloader.prepare(index);
    downloader.begin();
    if (downloader.download(index, *file)) downloader.end();
    return downloader.summary();
}

}  // namespace

std::string exactSampleCell(const jobObj& job) {
    if (job.JobSampleCount < 2) return "0";
    return std::to_string(job.JobSampleCount - 1) + tr(" (exact)");
}

DownloadSummary buttonDownloadClick(const DownloadSession& session,
                                    const DownloadSettings& settings,
                                    const DownloadRequest& request) {
    rvx::UserPort& user = session.user;
    if (!downloadAllowed(session.toolString, user)) return {};
    user.playSound(kSoundClick);
    const rvx::CommandsDisabled busy(user);
    if (session.toolString.Memory.Jobs.empty()) {
        user.showNotice(tr("There are no jobs in memory to download."));
        return {};
    }
    const DownloadCleanup cleanup(user, settings.calibration.startupDirectory);
    return request.allJobs ? downloadAllJobs(session, settings, request)
                           : downloadSelectedJob(session, settings, request);
}

}  // namespace rvxmod
