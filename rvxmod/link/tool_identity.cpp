#include "rvxmod/link/tool_identity.h"

#include "rvxmod/model/tool_types.h"

namespace rvxmod::link {

std::string GetToolName(std::uint32_t type) {
    return toolTypeName(type);
}

std::uint32_t GetToolID(std::string_view name) {
    for (std::uint32_t type = kZizorIrediz; type <= kSpinner; ++type) {
        if (toolTypeName(type) == name) return type;
    }
    return 0;
}

}  // namespace rvxmod::link
