#pragma once

#include "common/user_port.h"

namespace rvxmod::app {

class MemoryTools;
class ToolInfoPanel;

// Carries the Config page's memory tools out on the Tool Info page's tool session, writing what
// they read to the tools' memo.
void wireMemoryTools(MemoryTools& tools, ToolInfoPanel& panel, rvx::UserPort& user);

}  // namespace rvxmod::app
