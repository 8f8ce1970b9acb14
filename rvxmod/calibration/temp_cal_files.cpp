#include "rvxmod/calibration/temp_cal_files.h"

#include <string>
#include <system_error>

namespace rvxmod {

std::filesystem::path tempCalFolder(const std::filesystem::path& startupDirectory) {
    return startupDirectory / "TempCalFiles";
}

std::filesystem::path tempCalFileName(const std::filesystem::path& startupDirectory, int block,
                                      bool forRtd) {
    const std::string name = forRtd ? "tempTDAT_Block" + std::to_string(block) + ".tdat"
                                    : "tempDAT_Block" + std::to_string(block) + ".dat";
    return tempCalFolder(startupDirectory) / name;
}

bool deleteTempCalfiles(const std::filesystem::path& startupDirectory) {
    std::error_code error;
    const std::uintmax_t removed =
        std::filesystem::remove_all(tempCalFolder(startupDirectory), error);
    return !error && removed > 0;
}

}  // namespace rvxmod
