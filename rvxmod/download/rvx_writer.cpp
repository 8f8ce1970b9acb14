#include "rvxmod/download/rvx_writer.h"

#include <fstream>
#include <string>

#include "common/date_format.h"
#include "common/text_catalogue.h"
#include "common/text_file.h"
#include "rvxmod/download/rvx_columns.h"
#include "rvxmod/download/rvx_data_line.h"
#include "rvxmod/download/rvx_file_names.h"
#include "rvxmod/download/rvx_text_format.h"

namespace rvxmod {
namespace {

constexpr const char* kContext = "RvxFile";
constexpr const char* kLineEnd = "\r\n";
constexpr std::size_t kWriteChunk = 1 << 20;
constexpr std::int64_t kTenthsPerMinute = 600;

std::string tr(const char* english) {
    return rvx::trText(kContext, english);
}

bool writeAll(std::ofstream& out, const std::string& text) {
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    return static_cast<bool>(out);
}

// The time a sample is written with: that of the first tool, in string order, that has one.
std::int64_t sampleTime(const SectorSamples& samples, std::size_t toolCount, std::size_t index) {
    for (std::size_t tool = 0; tool < toolCount; ++tool)
        if (const std::int64_t time = samples.at(tool, index).time; time != 0) return time;
    return 0;
}

rvx::Status fileFailed(const std::filesystem::path& path, jobObj& job, rvx::UserPort& user) {
    const std::string message = path.string() + tr(" cannot be not found. Restart download.");
    user.showError(message);
    job.RawHeaderWritten = false;
    job.RealHeaderWritten = false;
    return rvx::fail(message);
}

}  // namespace

rvx::Status WriteFileHeader(const std::filesystem::path& path, const TToolChain& tools,
                            bool realValues, rvx::DateTime jobStart, const MemoryObj& memory,
                            const RvxOutputOptions& options) {
    const OutputOrder order = getOutputOrder(tools);
    std::string text;
    text += tr("Start of job : ") + rvx::formatDateTime(kStartPattern, jobStart) + kLineEnd;
    text += tr("Name of File : ") + path.string() + kLineEnd;
    text += tr("Memory Serial Number: ") + memoryIdentity(memory) + kLineEnd;
    text += tr("Null Value : ") + std::string(kNullValueText) + kLineEnd;
    text += kLineEnd;
    text += titleLine(tools, order) + kLineEnd;
    text += unitsLine(tools, order, realValues, options) + kLineEnd;

    // A file of the same name from an earlier download is replaced whole or not at all.
    return rvx::writeFileAtomically(path, text);
}

rvx::Status SaveDownload(const std::filesystem::path& path, jobObj& job,
                         const SectorSamples& samples, bool lastBlockReached, bool realValues,
                         const RvxFileContext& context) {
    const std::int64_t step = context.options.timeFilterMinutes > 0
                                  ? context.options.timeFilterMinutes * kTenthsPerMinute
                                  : 1;
    const OutputOrder order = getOutputOrder(job.Tools);
    const bool bothKinds = job.DownloadMode == 2;
    const std::filesystem::path filePath =
        bothKinds && !realValues ? std::filesystem::path(rawCountsFileName(path.string())) : path;

    bool& headerWritten = realValues ? job.RealHeaderWritten : job.RawHeaderWritten;
    if (!headerWritten) {
        if (!WriteFileHeader(filePath, job.Tools, realValues, job.JobStart, context.memory,
                             context.options))
            return fileFailed(filePath, job, context.user);
        headerWritten = true;
    }
    std::ofstream out(filePath, std::ios::binary | std::ios::app);
    if (!out) return fileFailed(filePath, job, context.user);

    const DataLineBuilder lines(job.Tools, order, realValues, context.options, context.converter,
                                job.JobStart);
    std::size_t count = samples.sampleCount();
    if (lastBlockReached && count > 0) --count;
    std::string text;
    text.reserve(kWriteChunk + kWriteChunk / 8);  // one chunk and the line that crosses it
    for (std::size_t i = 0; i < count && !job.Tools.empty(); ++i) {
        if (samples.at(0, i).time % step != 0) continue;
        const std::int64_t time = sampleTime(samples, job.Tools.size(), i);
        if (time == 0) continue;
        lines.appendLine(text, samples, i, time);
        if (text.size() >= kWriteChunk) {
            if (!writeAll(out, text)) return fileFailed(filePath, job, context.user);
            text.clear();
        }
    }
    const bool written = writeAll(out, text);
    out.close();
    if (!written || !out) return fileFailed(filePath, job, context.user);
    return rvx::ok();
}

rvx::Status writeSector(const std::filesystem::path& path, jobObj& job,
                        const SectorSamples& samples, bool lastBlockReached,
                        const RvxFileContext& context) {
    if (job.DownloadMode != 1) {
        if (auto raw = SaveDownload(path, job, samples, lastBlockReached, false, context); !raw)
            return raw;
    }
    if (job.DownloadMode == 1 || job.DownloadMode == 2)
        return SaveDownload(path, job, samples, lastBlockReached, true, context);
    return rvx::ok();
}

}  // namespace rvxmod
