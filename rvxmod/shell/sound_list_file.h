#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rvxmod {

// Name of the sound list in the start-up directory.
inline constexpr std::string_view kSoundListFileName = "RVXWaveList.wvl";

// A sound list is a text file with one WAV file name per line: line N (counted from 0) is item N,
// a name is relative to the folder of the list, a blank line leaves its item silent. LF or CR LF.
// Returns the names by item, blank entries for silent items; surrounding spaces are trimmed.
std::vector<std::string> parseSoundList(std::string_view text);

}  // namespace rvxmod
