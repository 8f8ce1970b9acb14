#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace rvxmod::link {

// Tool name of a type code in the interface language; "Unrecognized" for unknown codes.
std::string GetToolName(std::uint32_t type);
// Type code of a tool name in the interface language; 0 for any other name.
std::uint32_t GetToolID(std::string_view name);

}  // namespace rvxmod::link
