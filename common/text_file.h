#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "common/result.h"

namespace rvx {

// The whole file as bytes; line ends are left as stored (splitLines accepts LF and CR LF).
Result<std::string> readTextFile(const std::filesystem::path& path);

// Writes the text to a temporary file in the same folder and renames it over the target, so a
// failure half way never leaves a truncated file behind. The text is written as given: callers
// build it with CR LF line ends.
Status writeFileAtomically(const std::filesystem::path& path, std::string_view text);

// Moves an existing file aside to the same folder under its bare name with the extension ".BAK".
// An existing ".BAK" is not replaced: that, like any other failure to move, is reported as
// "Unable to create backup file.". A path that does not exist needs no backup.
Status backupExisting(const std::filesystem::path& path);

}  // namespace rvx
