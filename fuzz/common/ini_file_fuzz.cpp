// Any text parses, and what is written back reads as the same settings.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "common/ini_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string written = rvx::IniFile::parse(text).toText();
    if (rvx::IniFile::parse(written).toText() != written) std::abort();
    return 0;
}
