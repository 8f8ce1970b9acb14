#pragma once

#include <filesystem>
#include <optional>

#include "common/user_port.h"
#include "rvxmod/model/tool_string.h"

namespace rvxmod {

// The folder an all-jobs download proposes inside `parent`: memory module name, code and
// five-digit serial + "_Datafiles", with "_2", "_3"... appended while that name is taken.
std::filesystem::path proposedDatafilesFolder(const std::filesystem::path& parent,
                                              const MemoryObj& memory);

// Asks for the folder of an all-jobs download and creates it. A folder that already exists is
// used only when the person agrees to write over it. Nothing when the person cancels.
std::optional<std::filesystem::path> chooseDatafilesFolder(const std::filesystem::path& parent,
                                                           const MemoryObj& memory,
                                                           rvx::UserPort& user);

}  // namespace rvxmod
