#include "veltrix/data/value_prompt.h"

#include "common/number_format.h"

namespace veltrix {

std::string promptValue(rvx::UserPort& port, std::string_view prompt, double current,
                        char decimalSeparator) {
    return port.askText(prompt, rvx::formatFixed(current, 3, decimalSeparator))
        .value_or(std::string(kPromptCancelled));
}

}  // namespace veltrix
