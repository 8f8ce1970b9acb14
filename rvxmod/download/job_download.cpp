#include "rvxmod/download/job_download.h"

#include <utility>

namespace rvxmod {

JobDownload::JobDownload(std::filesystem::path file, jobObj& job, const RvxFileContext& context)
    : file_(std::move(file)), job_(job), context_(context) {
    startSector();
}

void JobDownload::startSector() {
    ResetDataArrays(job_, samples_);
}

void JobDownload::toolJoined(std::size_t toolIndex) {
    samples_.resetTool(toolIndex);
}

BlockEnd JobDownload::decodeBlock(std::span<const std::uint8_t> block,
                                  std::span<const int> headerOrder) {
    return decoder_.ProcessResponse_Download(block, headerOrder, job_, samples_);
}

rvx::Status JobDownload::finishSector(bool lastBlockReached) {
    return writeSector(file_, job_, samples_, lastBlockReached, context_);
}

}  // namespace rvxmod
