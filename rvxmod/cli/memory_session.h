#pragma once

#include <iosfwd>
#include <optional>
#include <span>
#include <string>

#include "common/user_port.h"
#include "rvxmod/cli/cli_commands.h"
#include "rvxmod/link/connect_sequence.h"
#include "rvxmod/link/serial_device_port.h"
#include "rvxmod/link/tool_link.h"
#include "rvxmod/memory/memory_buffers.h"
#include "rvxmod/model/tool_string.h"

namespace rvxmod::cli {

// Arguments of a command that takes nothing but an optional --yes; nothing when they are more.
std::optional<bool> yesOnly(std::span<const std::string> args);

// The device and baud rates the global options ask for.
link::ConnectOptions connectOptionsFor(const GlobalOptions& options);

// The job list and memory usage as the Tool Info page shows them.
void printJobList(std::ostream& out, const ConnectedToolString& toolString,
                  const memory::MemoryBuffers& buffers, rvx::UserPort& user);

// A tool string connected over the serial line with its memory module read.
class MemorySession {
public:
    explicit MemorySession(rvx::UserPort& user) : user_(user) {}

    // quickConnect skips the job list, as the Tool Info page's box does.
    bool connect(const GlobalOptions& options, bool quickConnect);

    link::ToolLink& toolLink() { return link_; }
    ConnectedToolString& toolString() { return toolString_; }
    memory::MemoryBuffers& buffers() { return buffers_; }
    rvx::UserPort& user() { return user_; }

private:
    rvx::UserPort& user_;
    link::SteadyClock clock_;
    link::SerialDevicePort port_{clock_};
    link::ToolLink link_{port_, clock_};
    ConnectedToolString toolString_;
    memory::MemoryBuffers buffers_;
};

}  // namespace rvxmod::cli
