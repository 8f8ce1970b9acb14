#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "rvxmod/download/rvx_output_options.h"
#include "rvxmod/model/tool_string.h"

namespace rvxmod {

// Which tools of a job's tool string feed the five standard columns, and which give columns of
// their own after them. Indices are positions in the tool string.
struct OutputOrder {
    std::optional<std::size_t> pressure;  // also the temperature column
    std::optional<std::size_t> collars;
    std::optional<std::size_t> rtd;
    std::optional<std::size_t> revolutions;
    // Tools not used above that give extra columns (or, type 10, separator spaces), string order.
    std::vector<std::size_t> extras;
};

OutputOrder getOutputOrder(const TToolChain& tools);

// Lines 6 and 7 of the file, without their line end.
std::string titleLine(const TToolChain& tools, const OutputOrder& order);
std::string unitsLine(const TToolChain& tools, const OutputOrder& order, bool realValues,
                      const RvxOutputOptions& options);

}  // namespace rvxmod
