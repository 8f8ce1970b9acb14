#include "rvxmod/memory/connect_hooks.h"

#include "rvxmod/memory/cal_slots.h"
#include "rvxmod/memory/job_list.h"

namespace rvxmod::memory {

link::ConnectHooks memoryConnectHooks(link::ToolLink& toolLink, ConnectedToolString& toolString,
                                      MemoryBuffers& buffers, rvx::UserPort& user) {
    link::ConnectHooks hooks;
    hooks.discovery.loadCalsFromMemoryTool = [&] {
        LoadCalsFromMemoryTool(toolLink, toolString, user);
    };
    hooks.discovery.updateToolInfoGrids = [&] {
        return updateMemoryInfo(toolLink, toolString, buffers, user);
    };
    return hooks;
}

}  // namespace rvxmod::memory
