#include "rvxmod/memory/format_tool.h"

#include "common/text_catalogue.h"
#include "rvxmod/link/commands.h"
#include "rvxmod/memory/cal_slots.h"
#include "rvxmod/model/memory_geometry.h"

namespace rvxmod::memory {

namespace {

constexpr int kSoundClick = 0;
constexpr link::Millis kSectorStep{950};

std::string text(const char* english) {
    return rvx::trText("Format", english);
}

// Waits for the progress frame of the sector the tool is formatting. Frames are counted rather
// than flagged, so a tool that formats faster than the bar moves is never a sector behind.
void followSector(link::ToolLink& link, int framesBefore, const FormatView& view) {
    link::Receiver& receiver = link.receiver();
    for (int bar = 0;; ++bar) {
        if (receiver.frameCount() > framesBefore) {
            receiver.takeFrameReceived();
            if (view.sectorProgress) view.sectorProgress(kSectorBarMaximum, kSectorBarMaximum);
            return;
        }
        if (bar >= kSectorBarMaximum) return;
        if (view.sectorProgress) view.sectorProgress(bar, kSectorBarMaximum);
        receiver.clearResponse();
        link.waitForAnswer(kSectorStep);
    }
}

}  // namespace

bool confirmFormat(const ConnectedToolString& toolString, rvx::UserPort& user) {
    user.playSound(kSoundClick);
    if (!toolString.MemoryPresent) {
        user.showWarning(text("There is no memory module present, cannot format."));
        return false;
    }
    return user.askYesCancel(
        text("You are about to erase the entire memory of the tool, including cal files and all "
             "jobs. Are you sure you want to format this tool?"));
}

bool startFormat(link::ToolLink& link, ConnectedToolString& toolString, BadBlockMap& badBlocks,
                 rvx::UserPort& user, const FormatView& view, const FormatHooks& hooks) {
    user.playSound(kSoundClick);
    const rvx::CommandsDisabled busy(user);
    link::Receiver& receiver = link.receiver();
    receiver.setMode(link::ReceiveMode::Stream);
    if (!link::Send_Format(link)) {
        receiver.setMode(link::ReceiveMode::Ordinary);
        user.showError(text("No response from tool, aborting format."));
        return false;
    }
    user.setStatus(text("Formatting tool. Please be patient, this will take some time..."));
    const auto& chips = toolString.Memory.Chips;
    int sectors = 0;
    for (const ChipInfo& chip : chips) sectors += std::max(chip.sectors, 0);
    int done = 0;
    user.setProgress(0, sectors);
    for (int chip = 0; chip < geometry::kMaxChips; ++chip) {
        for (int sector = 0; sector < chips[static_cast<std::size_t>(chip)].sectors; ++sector) {
            if (view.nowFormatting) view.nowFormatting(chip, sector);
            followSector(link, done, view);
            user.setProgress(++done, sectors);
        }
    }
    receiver.setMode(link::ReceiveMode::Ordinary);
    getBBT(link, toolString.Memory, badBlocks, user);
    LoadCalsFromMemoryTool(link, toolString, user);
    if (hooks.readProgramBack) hooks.readProgramBack();
    user.setStatus("");
    return true;
}

}  // namespace rvxmod::memory
