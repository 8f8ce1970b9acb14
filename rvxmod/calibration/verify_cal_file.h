#pragma once

#include <string>

#include "common/user_port.h"

namespace rvxmod {

// Trial load of a file about to be kept in the tool: ".dat" into a TWaveCal, ".tdat" into a
// TTempCal (extension compared without regard to case). A failing load is shown as an error;
// any other extension is refused silently.
bool VerifyCalFile(const std::string& path, rvx::UserPort& port);

}  // namespace rvxmod
