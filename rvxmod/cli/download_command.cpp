// rvxmod-cli download: the "Download Job" command with its dialogs answered by flags.
#include <unistd.h>

#include <algorithm>
#include <iostream>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <system_error>
#include <variant>

#include "common/date_parse.h"
#include "common/number_parse.h"
#include "rvxmod/cli/cli_commands.h"
#include "rvxmod/cli/console_user_port.h"
#include "rvxmod/cli/memory_session.h"
#include "rvxmod/download/download_engine.h"
#include "rvxmod/download/identity_cal_source.h"
#include "rvxmod/download/tool_memory_cal_source.h"

namespace rvxmod::cli {
namespace {

constexpr int kProgressStepPercent = 10;

struct DownloadOptions {
    bool allJobs = false;
    int jobNumber = 0;  // from 1
    std::filesystem::path out;
    std::optional<rvx::DateTime> start;
    DownloadSettings settings;
    std::map<std::string, std::filesystem::path> calFiles;
};

int usage(const std::string& problem) {
    std::cerr << "rvxmod-cli download: " << problem << "\n"
              << "usage: rvxmod-cli [--port DEVICE] [--baud 230400|19200] download (--all|--job N)"
                 " --out DIR\n"
                 "         [--start \"yyyy/mm/dd hh:nn:ss\"] [--format raw|real|both]"
                 " [--time hours|real]\n"
                 "         [--cal-location tool|computer] [--cal IDENTITY=FILE]..."
                 " [--method coefficients|wavecal]\n"
                 "  DIR: all jobs go to the proposed data-file folder inside it; one job to the"
                 " proposed file name\n";
    return kExitUsage;
}

std::optional<rvx::DateTime> parseStart(const std::string& text) {
    rvx::FormatSettings settings = rvx::FormatSettings::invariant();
    settings.shortDateFormat = "yyyy/mm/dd";
    const auto parsed = rvx::parseDateTime(text, settings);
    if (!parsed) return std::nullopt;
    return parsed.value();
}

// Sets the option named by word from value; false when the pair is not valid.
bool applyValue(DownloadOptions& options, const std::string& word, const std::string& value) {
    DownloadSettings& settings = options.settings;
    if (word == "--job") {
        const auto number = rvx::parseInteger<int>(value);
        if (!number || *number < 1) return false;
        options.jobNumber = *number;
    } else if (word == "--out") {
        options.out = value;
    } else if (word == "--start") {
        options.start = parseStart(value);
        return options.start.has_value();
    } else if (word == "--format" && (value == "raw" || value == "real" || value == "both")) {
        settings.fileFormat = value == "raw" ? 0 : value == "real" ? 1 : 2;
    } else if (word == "--time" && (value == "hours" || value == "real")) {
        settings.output.time = value == "real" ? TimeColumn::RealTime : TimeColumn::Hours;
    } else if (word == "--cal-location" && (value == "tool" || value == "computer")) {
        settings.calibration.location =
            value == "tool" ? CalFileLocation::OnTool : CalFileLocation::OnComputer;
    } else if (word == "--method" && (value == "coefficients" || value == "wavecal")) {
        settings.calibration.method =
            value == "wavecal" ? CalculationMethod::WaveCal : CalculationMethod::Coefficients;
    } else if (word == "--cal" && value.find('=') != std::string::npos) {
        const std::size_t equals = value.find('=');
        options.calFiles[value.substr(0, equals)] = value.substr(equals + 1);
    } else {
        return false;
    }
    return true;
}

std::variant<DownloadOptions, std::string> parseOptions(std::span<const std::string> args) {
    DownloadOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--all") {
            options.allJobs = true;
            continue;
        }
        if (i + 1 >= args.size()) return args[i] + " needs a value";
        if (!applyValue(options, args[i], args[i + 1]))
            return "unknown option or value: " + args[i] + " " + args[i + 1];
        ++i;
    }
    if (options.allJobs == (options.jobNumber != 0)) return std::string("give --all or --job N");
    if (options.out.empty()) return std::string("--out DIR is required");
    return options;
}

// The console port with the download's dialogs answered: every proposed folder and file name
// is taken, the start date and time is the one given, progress is shown in steps.
class DownloadUserPort final : public rvx::UserPort {
public:
    void showError(std::string_view text) override { console_.showError(text); }
    void showWarning(std::string_view text) override { console_.showWarning(text); }
    void showNotice(std::string_view text) override { console_.showNotice(text); }
    bool askYesNo(std::string_view text) override { return console_.askYesNo(text); }
    bool askYesCancel(std::string_view text) override { return console_.askYesCancel(text); }
    std::optional<std::string> chooseOpenFile(const rvx::FileChoice& choice) override {
        return console_.chooseOpenFile(choice);
    }
    std::optional<std::string> chooseSaveFile(const rvx::FileChoice& choice) override {
        return choice.initialPath;
    }
    std::optional<std::string> chooseFolder(const rvx::FileChoice& choice) override {
        return choice.initialPath;
    }
    std::optional<rvx::DateTime> askDateTime(std::string_view, rvx::DateTime proposed) override {
        return proposed;
    }
    std::optional<std::string> askText(std::string_view prompt,
                                       std::string_view proposed) override {
        return console_.askText(prompt, proposed);
    }
    void setStatus(std::string_view text) override { console_.setStatus(text); }
    void setProgress(int value, int maximum) override {
        if (maximum <= 0) return;  // the progress bar is hidden
        const int step = value * 100 / maximum / kProgressStepPercent;
        if (value == 1) shownStep_ = -1;  // a job begins
        if (step == shownStep_) return;
        std::cerr << "rvxmod-cli: " << value * 100 / maximum << "% of " << maximum << " blocks\n";
        shownStep_ = step;
    }
    void playSound(int) override {}
    void setCommandsEnabled(bool) override {}

private:
    ConsoleUserPort console_;
    int shownStep_ = -1;
};

// A folder of this run for the calibration files taken from the tool, removed at the end.
class RunFolder {
public:
    RunFolder()
        : path_(std::filesystem::temp_directory_path() /
                ("rvxmod-cli-" + std::to_string(getpid()))) {
        std::filesystem::create_directories(path_, error_);
    }
    ~RunFolder() { std::filesystem::remove_all(path_, error_); }
    RunFolder(const RunFolder&) = delete;
    RunFolder& operator=(const RunFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
    std::error_code error_;
};

void printJobs(const DownloadSummary& summary) {
    for (const DownloadedJob& job : summary.jobs) {
        std::cout << "job " << job.jobIndex + 1 << "\t" << job.sampleCell;
        for (const auto& file : job.files) std::cout << "\t" << file.string();
        std::cout << "\n";
    }
}

}  // namespace

int runDownloadCommand(const GlobalOptions& global, std::span<const std::string> args) {
    const auto parsed = parseOptions(args);
    if (const auto* problem = std::get_if<std::string>(&parsed)) return usage(*problem);
    DownloadOptions options = std::get<DownloadOptions>(parsed);

    DownloadUserPort user;
    MemorySession memory(user);
    if (!memory.connect(global, false)) return kExitFailure;
    link::ToolLink& toolLink = memory.toolLink();
    ConnectedToolString& toolString = memory.toolString();
    const std::size_t jobCount = toolString.Memory.Jobs.size();
    if (!options.allJobs && static_cast<std::size_t>(options.jobNumber) > jobCount) {
        std::cerr << "rvxmod-cli download: there is no job " << options.jobNumber << "\n";
        return kExitFailure;
    }

    const RunFolder runFolder;
    options.settings.calibration.startupDirectory = runFolder.path();
    const bool onTool = options.settings.calibration.location == CalFileLocation::OnTool;
    ToolMemoryCalSource toolFiles(toolLink, toolString.Memory, user);
    // Named files come first; the tool's own files only where they were asked for.
    IdentityCalSource calFiles(options.calFiles, onTool ? &toolFiles : nullptr);
    options.settings.calibration.location = CalFileLocation::OnTool;
    rvx::DateTime start = options.start.value_or(rvx::nowDateTime());
    const DownloadSession session{toolLink, toolString, memory.buffers().badBlocks,
                                  calFiles, user,       start};
    const DownloadRequest request{
        options.allJobs, static_cast<std::size_t>(std::max(options.jobNumber - 1, 0)), options.out};
    const DownloadSummary summary = buttonDownloadClick(session, options.settings, request);
    printJobs(summary);
    if (jobCount == 0) return kExitOk;
    if (summary.stopped || summary.jobs.empty()) return kExitFailure;
    for (const DownloadedJob& job : summary.jobs)
        if (!job.complete) return kExitFailure;
    return kExitOk;
}

}  // namespace rvxmod::cli
