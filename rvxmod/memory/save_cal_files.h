#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/user_port.h"
#include "rvxmod/link/tool_link.h"
#include "rvxmod/link/tool_string_grid.h"
#include "rvxmod/memory/block_group.h"
#include "rvxmod/memory/cal_file_identity.h"
#include "rvxmod/model/tool_string.h"

namespace rvxmod::memory {

// One filled row of the Save Cal Files grid; row n belongs to cal slot n.
struct SaveCalsRow {
    std::string toolName;
    std::string identity;  // tool code and five-digit serial
    link::CalFileStatus status = link::CalFileStatus::NotPresent;
    std::string statusText;
    std::string calFileName;  // the file saved from this row, without folder
    int toolIndex = -1;       // in ToolChain
};

struct SaveCalsGrid {
    std::vector<SaveCalsRow> rows;  // tools that need a calibration, at most six
    int rowCount = 6;
};

// What the cal storage commands work with: the link, the tool string and the memory buffers.
struct CalStorage {
    link::ToolLink& link;
    ConnectedToolString& toolString;
    rvx::UserPort& user;
    BlockGroupBackup& backup;
    KeepErasedList& keepErased;
};

// Opening the form: false with "There is no memory module present, cannot save cal files."
bool openSaveCalFiles(const ConnectedToolString& toolString, rvx::UserPort& user);
SaveCalsGrid fillSaveCalsGrid(const ConnectedToolString& toolString);
// Background of a status cell (BGR): "Not present", "Valid", "Expired" and "Error ".
std::optional<std::uint32_t> saveCalsStatusColour(link::CalFileStatus status);

// "Save Files": asks a file for each checked row, verifies it with a trial load, erases the chosen
// slots (the other blocks of the group are written back) and saves the files. The grid is refilled;
// each saved file's name is in its row.
void saveCalFiles(CalStorage& storage, SaveCalsGrid& grid,
                  const std::array<bool, kCalSlotCount>& checked);
// "Retrieve Cals": writes every stored file of a connected tool into a new folder.
void retrieveCals(CalStorage& storage);
// "Delete All Cals": erases the six slots, keeping blocks 0 and 1.
void deleteAllCals(CalStorage& storage, SaveCalsGrid& grid);

}  // namespace rvxmod::memory
