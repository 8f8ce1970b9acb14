#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "rvxmod/calibration/cal_file_source.h"

namespace rvxmod {

// Calibration files named by tool identity (tool code + five-digit serial, as a cal file's
// identity line gives it: "RP00201", or "00077" for a tool without a code). A named file is taken
// before any file of the fallback source; tools not named are looked up there.
class IdentityCalSource final : public CalFileSource {
public:
    // fallback may be null (only named files); otherwise it must outlive this source.
    IdentityCalSource(const std::map<std::string, std::filesystem::path>& files,
                      CalFileSource* fallback);

    int calBlockOf(std::uint32_t toolType, std::int32_t serialNumber) const override;
    rvx::Status MakeCalFile(int block, const std::filesystem::path& file) override;

private:
    // Named files answer with block numbers from here on, clear of the memory's cal blocks.
    static constexpr int kFirstNamedBlock = 1000;

    std::vector<std::string> identities_;
    std::vector<std::filesystem::path> files_;
    CalFileSource* fallback_;
};

}  // namespace rvxmod
