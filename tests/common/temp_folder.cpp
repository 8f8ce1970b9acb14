#include "tests/common/temp_folder.h"

#include <stdlib.h>

#include <system_error>

namespace rvx::testing {

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "rvx-common-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace rvx::testing
