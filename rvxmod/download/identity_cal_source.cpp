#include "rvxmod/download/identity_cal_source.h"

#include <algorithm>
#include <system_error>

#include "rvxmod/calibration/cal_identity.h"

namespace rvxmod {

IdentityCalSource::IdentityCalSource(const std::map<std::string, std::filesystem::path>& files,
                                     CalFileSource* fallback)
    : fallback_(fallback) {
    for (const auto& [identity, file] : files) {
        identities_.push_back(identity);
        files_.push_back(file);
    }
}

int IdentityCalSource::calBlockOf(std::uint32_t toolType, std::int32_t serialNumber) const {
    const std::string identity = calIdentity(makeJobTool(toolType, serialNumber));
    const auto named = std::find(identities_.begin(), identities_.end(), identity);
    if (named != identities_.end())
        return kFirstNamedBlock + static_cast<int>(named - identities_.begin());
    return fallback_ != nullptr ? fallback_->calBlockOf(toolType, serialNumber) : -1;
}

rvx::Status IdentityCalSource::MakeCalFile(int block, const std::filesystem::path& file) {
    const int named = block - kFirstNamedBlock;
    if (named < 0 || named >= static_cast<int>(files_.size())) {
        if (fallback_ == nullptr) return rvx::fail(file.string());
        return fallback_->MakeCalFile(block, file);
    }
    const std::filesystem::path& source = files_[static_cast<std::size_t>(named)];
    std::error_code error;
    std::filesystem::copy_file(source, file, std::filesystem::copy_options::overwrite_existing,
                               error);
    if (error) return rvx::fail(source.string() + ": " + error.message());
    return rvx::ok();
}

}  // namespace rvxmod
