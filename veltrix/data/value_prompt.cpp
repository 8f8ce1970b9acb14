#include "veltrix/data/value_prompt.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace veltrix {

std::string promptValue(rvx::UserPort& port, std::string_view prompt, double current,
                        char decimalSeparator) {
    std::array<char, 64> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), current,
                                       std::chars_format::fixed, 3);
    std::string proposed(buffer.data(), written.ptr);
    std::ranges::replace(proposed, '.', decimalSeparator);
    return port.askText(prompt, proposed).value_or(std::string(kPromptCancelled));
}

}  // namespace veltrix
