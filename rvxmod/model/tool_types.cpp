#include "rvxmod/model/tool_types.h"

#include "common/text_catalogue.h"

namespace rvxmod {

ToolTypeInfo toolTypeInfo(std::uint32_t type) {
    switch (type) {
        case kZizorIrediz: return {true, false, true, 12};
        case kCCL: return {true, false, false, 4};
        case kMemory: return {true, false, false, 0};
        case kRTD: return {true, true, true, 4};
        case kPiezo: return {true, true, true, 7};
        case kRarodIdirura: return {true, true, true, 9};
        case kSpinner: return {true, false, false, 3};
        default: return {};
    }
}

std::string toolTypeName(std::uint32_t type) {
    switch (type) {
        case kZizorIrediz: return rvx::trText("ToolTypes", "ZizorIrediz");
        case kCCL: return rvx::trText("ToolTypes", "CCL");
        case kMemory: return rvx::trText("ToolTypes", "Memory");
        case kRTD: return rvx::trText("ToolTypes", "RTD");
        case kPiezo: return rvx::trText("ToolTypes", "Piezo");
        case kRarodIdirura: return rvx::trText("ToolTypes", "RarodIdirura");
        case kSpinner: return rvx::trText("ToolTypes", "Spinner");
        default: return rvx::trText("ToolTypes", "Unrecognized");
    }
}

std::string toolTypeCode(std::uint32_t type) {
    switch (type) {
        case kCCL: return rvx::trText("ToolTypes", "RC");
        case kMemory: return rvx::trText("ToolTypes", "RL");
        case kRTD: return rvx::trText("ToolTypes", "RR");
        case kPiezo: return rvx::trText("ToolTypes", "RZ");
        case kRarodIdirura: return rvx::trText("ToolTypes", "RP");
        case kSpinner: return rvx::trText("ToolTypes", "RS");
        default: return {};
    }
}

}  // namespace rvxmod
