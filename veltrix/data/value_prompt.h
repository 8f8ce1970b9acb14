#pragma once

#include <string>
#include <string_view>

#include "common/user_port.h"

namespace veltrix {

// What the value prompt answers when it is cancelled or closed; callers compare before converting.
inline constexpr std::string_view kPromptCancelled = "FALSE";

// Asks for a value, proposing the current one in fixed notation with 3 decimals. Answers the text
// the person accepted, or "FALSE" when the prompt was cancelled.
std::string promptValue(rvx::UserPort& port, std::string_view prompt, double current,
                        char decimalSeparator);

}  // namespace veltrix
