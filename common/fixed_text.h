#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rvx {

// Pads text with fill to width, on the left or on the right; a longer text is returned whole.
std::string PadC(std::string_view text, std::size_t width, bool onTheLeft, char fill);

// Blanks are spaces and control characters (tabs, a stray CR), as the classic Trim removes them.
std::string_view trimLeft(std::string_view text);
std::string_view trimRight(std::string_view text);
std::string_view trim(std::string_view text);

// ASCII case-insensitive equality, as names, keys and extensions are compared.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

// Lines split at LF or CR LF without their line ends. A final line end does not start another
// (empty) line, so "a\r\nb\r\n" and "a\nb" both give {"a", "b"}.
std::vector<std::string_view> splitLines(std::string_view text);

}  // namespace rvx
