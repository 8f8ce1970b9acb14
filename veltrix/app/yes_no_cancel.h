#pragma once

#include <functional>
#include <string_view>

namespace veltrix {

enum class YesNoCancel { Yes, No, Cancel };

// A three-way confirmation (closing with data loaded asks whether to save first).
using YesNoCancelQuestion = std::function<YesNoCancel(std::string_view text)>;

}  // namespace veltrix
