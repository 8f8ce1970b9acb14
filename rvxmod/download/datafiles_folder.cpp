#include "rvxmod/download/datafiles_folder.h"

#include <string>
#include <system_error>

#include "common/text_catalogue.h"
#include "rvxmod/download/rvx_file_names.h"

namespace rvxmod {
namespace {

std::string tr(const char* english) {
    return rvx::trText("Download", english);
}

}  // namespace

std::filesystem::path proposedDatafilesFolder(const std::filesystem::path& parent,
                                              const MemoryObj& memory) {
    const std::string name = memory.Name + memoryIdentity(memory) + "_" + tr("Datafiles");
    std::filesystem::path folder = parent / name;
    for (int number = 2; std::filesystem::exists(folder); ++number) {
        folder = parent / (name + "_" + std::to_string(number));
    }
    return folder;
}

std::optional<std::filesystem::path> chooseDatafilesFolder(const std::filesystem::path& parent,
                                                           const MemoryObj& memory,
                                                           rvx::UserPort& user) {
    const rvx::FileChoice choice{tr("Select directory to create to save files to"),
                                 proposedDatafilesFolder(parent, memory).string(),
                                 {}};
    const auto chosen = user.chooseFolder(choice);
    if (!chosen) return std::nullopt;
    const std::filesystem::path folder(*chosen);
    std::error_code error;
    if (std::filesystem::create_directories(folder, error) || error) {
        // A folder that cannot be made is reported by the first file written into it.
        return folder;
    }
    if (!user.askYesCancel(tr("Directory already exists. Over write?"))) return std::nullopt;
    return folder;
}

}  // namespace rvxmod
