#pragma once

#include <filesystem>

#include "common/user_port.h"
#include "veltrix/project/well_info.h"

namespace veltrix {

inline constexpr const char* wellInfoTemplateName = "Well_info.txt";

struct WellInfoFromTemplate {
    WellInfo info;
    // True when the rows came from the template file (the grid then widens its value column).
    bool readFromFile = false;
};

// The well information grid of a new job, from "Well_info.txt" in the folder. Without that file
// the person is told, the default labels are used and written as the template for next time.
WellInfoFromTemplate loadWellInfoTemplate(const std::filesystem::path& folder, rvx::UserPort& port);

}  // namespace veltrix
