#pragma once

#include "common/user_port.h"
#include "rvxmod/link/connect_sequence.h"
#include "rvxmod/link/tool_link.h"
#include "rvxmod/memory/memory_buffers.h"
#include "rvxmod/model/tool_string.h"

namespace rvxmod::memory {

// The memory module's steps of the connect sequence: the stored cal files after discovery, then
// memory size, bad-block table and (without Quick Connect) the job list. The hooks refer to the
// arguments, which must outlive the connect.
link::ConnectHooks memoryConnectHooks(link::ToolLink& toolLink, ConnectedToolString& toolString,
                                      MemoryBuffers& buffers, rvx::UserPort& user);

}  // namespace rvxmod::memory
