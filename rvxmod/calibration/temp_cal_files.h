#pragma once

#include <filesystem>

namespace rvxmod {

// Folder below the start-up directory that holds the calibration files taken from the tool.
std::filesystem::path tempCalFolder(const std::filesystem::path& startupDirectory);

// Name of the file that holds the calibration kept in a cal block, in the temporary folder.
std::filesystem::path tempCalFileName(const std::filesystem::path& startupDirectory, int block,
                                      bool forRtd);

// Deletes the temporary folder with its contents; false when it is missing or cannot be deleted.
bool deleteTempCalfiles(const std::filesystem::path& startupDirectory);

}  // namespace rvxmod
