#pragma once

#include <optional>
#include <string>

#include "common/user_port.h"
#include "rvxmod/link/commands.h"
#include "rvxmod/link/tool_link.h"
#include "rvxmod/model/tool_string.h"

namespace rvxmod::memory {

// The Config page's "Block" and "Line" tools. Each gives the memo line to append: the bytes as
// upper-case hexadecimal digits, or "Read failed, reset tool and check communications". Nothing
// when the read is refused (warning) or the address lies outside the chip's geometry.
std::optional<std::string> readBlockForMemo(link::ToolLink& link,
                                            const ConnectedToolString& toolString,
                                            const link::MemoryAddress& address,
                                            rvx::UserPort& user);
std::optional<std::string> readLineForMemo(link::ToolLink& link,
                                           const ConnectedToolString& toolString,
                                           const link::MemoryAddress& address, rvx::UserPort& user);

}  // namespace rvxmod::memory
