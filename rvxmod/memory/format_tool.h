#pragma once

#include <functional>

#include "common/user_port.h"
#include "rvxmod/link/tool_link.h"
#include "rvxmod/memory/bad_block_map.h"
#include "rvxmod/model/tool_string.h"

namespace rvxmod::memory {

// What the Format form shows while the tool formats; the overall bar goes through
// UserPort::setProgress.
struct FormatView {
    std::function<void(int chip, int sector)> nowFormatting;
    std::function<void(int value, int maximum)> sectorProgress;
};

// Steps after the format that belong to other parts of the program (reading the program back).
struct FormatHooks {
    std::function<void()> readProgramBack;
};

inline constexpr int kSectorBarMaximum = 99;

// "Format Tool": false with a warning without a memory module, or when the question is not
// answered Yes.
bool confirmFormat(const ConnectedToolString& toolString, rvx::UserPort& user);

// "Start Format": sends the format command in stream mode and follows the tool's progress frames
// sector by sector, then re-reads the bad-block table and the stored cal files. False when the
// tool did not acknowledge ("No response from tool, aborting format.").
bool startFormat(link::ToolLink& link, ConnectedToolString& toolString, BadBlockMap& badBlocks,
                 rvx::UserPort& user, const FormatView& view, const FormatHooks& hooks = {});

}  // namespace rvxmod::memory
