#pragma once

#include <filesystem>

#include "common/date_time.h"
#include "common/result.h"
#include "common/user_port.h"
#include "rvxmod/download/rvx_output_options.h"
#include "rvxmod/download/sample_converter.h"
#include "rvxmod/download/sector_samples.h"
#include "rvxmod/model/tool_string.h"

namespace rvxmod {

// What every write of a download shares. The references must outlive the calls.
struct RvxFileContext {
    const MemoryObj& memory;
    const RvxOutputOptions& options;
    const SampleConverter& converter;  // used for real-values files only
    rvx::UserPort& user;
};

// Creates or replaces the file with the header, title and units lines.
rvx::Status WriteFileHeader(const std::filesystem::path& path, const TToolChain& tools,
                            bool realValues, rvx::DateTime jobStart, const MemoryObj& memory,
                            const RvxOutputOptions& options);

// Appends the lines of the samples decoded for one memory sector to the job's raw-counts or
// real-values file, writing the header first when it has not been written for this job and kind
// of file. path is the chosen file; in a download of both kinds the raw-counts file is derived
// from it. When the job's last block has been reached the sector's last sample is left out.
// A file that cannot be written is reported to the person, both header flags of the job are
// forgotten, and the failure is returned: the caller stops the download. Lines already in the
// file stay there.
rvx::Status SaveDownload(const std::filesystem::path& path, jobObj& job,
                         const SectorSamples& samples, bool lastBlockReached, bool realValues,
                         const RvxFileContext& context);

// Writes one sector into the files the job's DownloadMode asks for: raw counts (0), real values
// (1) or both (2, raw counts first). Stops at the first file that cannot be written.
rvx::Status writeSector(const std::filesystem::path& path, jobObj& job,
                        const SectorSamples& samples, bool lastBlockReached,
                        const RvxFileContext& context);

}  // namespace rvxmod
