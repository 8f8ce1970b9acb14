#include "rvxmod/memory/save_cal_files.h"

#include <filesystem>

#include "common/text_catalogue.h"
#include "common/text_file.h"
#include "rvxmod/calibration/verify_cal_file.h"
#include "rvxmod/memory/cal_slots.h"
#include "rvxmod/model/tool_types.h"

namespace rvxmod::memory {

namespace {

constexpr int kSoundClick = 0;
constexpr int kMinimumRows = 6;

std::string text(const char* english) {
    return rvx::trText("SaveCalFiles", english);
}

// A file chosen for a row, accepted for saving.
struct ChosenFile {
    std::size_t row = 0;
    std::string path;
    std::string contents;
};

std::string extensionFor(const ToolObj& tool) {
    return tool.ToolType == kRTD ? ".tdat" : ".dat";
}

std::optional<std::string> askFileFor(rvx::UserPort& user, const ToolObj& tool,
                                      const SaveCalsRow& row) {
    rvx::FileChoice choice;
    choice.title = text("Dat File for tool ") + tool.ToolName + " " + row.identity;
    choice.filters = {text("Cal Data files ") + "(*" + extensionFor(tool) + ")",
                      text("any files") + " (*.*)"};
    return user.chooseOpenFile(choice);
}

// Verification, the ownership question and the size limit; the size is checked before anything
// is erased, so a file that cannot be saved never costs the slot its present file.
bool accept(CalStorage& storage, const ToolObj& tool, const std::string& path,
            const std::string& contents) {
    rvx::UserPort& user = storage.user;
    if (!VerifyCalFile(path, user)) return false;
    if (contents.size() > kLargestCalFile) {
        user.showError(text("Cal file: ") + path +
                       text(" exceeds cal block size limit. Cannot save this file"));
        return false;
    }
    const std::string fileName = std::filesystem::path(path).filename().string();
    if (ExtractCalDateAndSerial(contents).identity !=
            link::toolIdentityText(tool.ToolCode, tool.SerialNumber) &&
        !user.askYesCancel(text("WARNING: The cal file ") + fileName +
                           text(" does not belong to the sensor you have selected to save this "
                                "dat file for. Use file anyway?"))) {
        return false;
    }
    return true;
}

std::vector<ChosenFile> chooseFiles(CalStorage& storage, const SaveCalsGrid& grid,
                                    const std::array<bool, kCalSlotCount>& checked) {
    std::vector<std::pair<std::size_t, std::string>> picked;
    for (std::size_t row = 0; row < grid.rows.size(); ++row) {
        if (!checked[row] || grid.rows[row].toolName.empty()) continue;
        const ToolObj& tool =
            storage.toolString.ToolChain[static_cast<std::size_t>(grid.rows[row].toolIndex)];
        if (auto path = askFileFor(storage.user, tool, grid.rows[row])) {
            picked.emplace_back(row, *path);
        }
    }
    std::vector<ChosenFile> accepted;
    if (picked.empty()) return accepted;
    storage.user.setStatus(text("Verifying calibration files..."));
    for (const auto& [row, path] : picked) {
        const ToolObj& tool =
            storage.toolString.ToolChain[static_cast<std::size_t>(grid.rows[row].toolIndex)];
        const auto contents = rvx::readTextFile(path);
        const std::string bytes = contents ? *contents : std::string();
        if (accept(storage, tool, path, bytes)) accepted.push_back({row, path, bytes});
    }
    return accepted;
}

bool saveOne(CalStorage& storage, const ChosenFile& chosen, const ToolObj& tool) {
    CalSlotOwner owner{tool.SerialNumber, static_cast<std::int32_t>(tool.ToolType), tool.CalDate};
    if (const auto date = calDateOf(ExtractCalDateAndSerial(chosen.contents))) {
        owner.calDate = *date;
    } else {
        storage.user.showError(text("Invalid dat file! "));
    }
    const std::span bytes(reinterpret_cast<const std::uint8_t*>(chosen.contents.data()),
                          chosen.contents.size());
    const int slot = static_cast<int>(chosen.row);
    if (!SaveCalFile(storage.link, storage.user, calSlotBlock(slot), calSlotLines(bytes.size()),
                     owner, bytes)) {
        storage.user.showError(text("Error: ") + chosen.path + text(" not saved to memory"));
        return false;
    }
    return true;
}

void refresh(CalStorage& storage, SaveCalsGrid& grid) {
    LoadCalsFromMemoryTool(storage.link, storage.toolString, storage.user);
    grid = fillSaveCalsGrid(storage.toolString);
}

}  // namespace

bool openSaveCalFiles(const ConnectedToolString& toolString, rvx::UserPort& user) {
    user.playSound(kSoundClick);
    if (toolString.MemoryPresent) return true;
    user.showWarning(text("There is no memory module present, cannot save cal files."));
    return false;
}

SaveCalsGrid fillSaveCalsGrid(const ConnectedToolString& toolString) {
    SaveCalsGrid grid;
    grid.rowCount = std::max(kMinimumRows, toolString.ToolCount());
    const link::ToolGrid toolGrid = link::UpdateToolChainGrid(toolString);
    const std::size_t firstToolRow = toolString.MemoryPresent ? 1 : 0;
    for (std::size_t i = 0; i < toolString.ToolChain.size(); ++i) {
        const ToolObj& tool = toolString.ToolChain[i];
        if (!tool.NeedsCal || grid.rows.size() == kCalSlotCount) continue;
        const link::ToolGridRow& shown = toolGrid.rows[firstToolRow + i];
        grid.rows.push_back({tool.ToolName,
                             shown.identity,
                             shown.calStatus,
                             shown.calStatusText,
                             {},
                             static_cast<int>(i)});
    }
    return grid;
}

std::optional<std::uint32_t> saveCalsStatusColour(link::CalFileStatus status) {
    switch (status) {
        case link::CalFileStatus::NotPresent:
            return 1432534;
        case link::CalFileStatus::Valid:
            return 910337;
        case link::CalFileStatus::Expired:
        case link::CalFileStatus::Error:
            return 4534781;
        default:
            return std::nullopt;
    }
}

void saveCalFiles(CalStorage& storage, SaveCalsGrid& grid,
                  const std::array<bool, kCalSlotCount>& checked) {
    rvx::UserPort& user = storage.user;
    user.playSound(kSoundClick);
    const rvx::CommandsDisabled busy(user);
    const std::vector<ChosenFile> files = chooseFiles(storage, grid, checked);
    if (files.empty()) {
        user.setStatus("");
        user.showWarning(text("You have not selected to save any cal files."));
        return;
    }
    // Only slots that get a new file are left erased; every other block is written back.
    storage.keepErased.clear();
    for (const ChosenFile& file : files)
        storage.keepErased.add(calSlotBlock(static_cast<int>(file.row)));
    if (!eraseBlockGroup(storage.link, user, storage.backup, {0, 0, calSlotBlock(0), 0},
                         EraseRestore::List, storage.keepErased)) {
        user.setStatus("");
        user.showError(text("Error clearing cal locations in memory. Could not save files."));
        return;
    }
    user.setStatus(text("Saving cal files to tool..."));
    std::vector<std::pair<std::size_t, std::string>> saved;
    for (const ChosenFile& file : files) {
        const ToolObj& tool =
            storage.toolString.ToolChain[static_cast<std::size_t>(grid.rows[file.row].toolIndex)];
        if (saveOne(storage, file, tool)) {
            saved.emplace_back(file.row, std::filesystem::path(file.path).filename().string());
        }
    }
    refresh(storage, grid);
    for (const auto& [row, name] : saved) {
        if (row < grid.rows.size()) grid.rows[row].calFileName = name;
    }
    user.setStatus("");
}

void retrieveCals(CalStorage& storage) {
    rvx::UserPort& user = storage.user;
    user.playSound(kSoundClick);
    const rvx::CommandsDisabled busy(user);
    const TToolChain& tools = storage.toolString.ToolChain;
    if (std::none_of(tools.begin(), tools.end(),
                     [](const ToolObj& tool) { return tool.CalBlockIndex != -1; })) {
        user.showWarning(text("There are no cal files on tool to retrieve"));
        return;
    }
    rvx::FileChoice choice;
    choice.title = text("Select directory to create to save files to");
    choice.initialPath = text("Cal Files");
    choice.filters = {text("Cal Data files ") + "(*.dat)", text("any files") + " (*.*)"};
    const auto chosen = user.chooseSaveFile(choice);
    if (!chosen) return;
    const std::filesystem::path folder(*chosen);
    std::error_code error;
    if (!std::filesystem::create_directory(folder, error)) {
        if (!std::filesystem::is_directory(folder) ||
            !user.askYesNo(text("Directory already exists. Over write?"))) {
            return;
        }
    }
    user.setStatus(text("Retrieving cal files from tool..."));
    for (const ToolObj& tool : tools) {
        if (!tool.NeedsCal || tool.CalBlockIndex == -1) continue;
        const std::string name = tool.ToolName + "_" +
                                 link::toolIdentityText(tool.ToolCode, tool.SerialNumber) +
                                 extensionFor(tool);
        MakeCalFile(storage.link, user, tool.CalBlockIndex, folder / name);
    }
    user.setStatus("");
}

void deleteAllCals(CalStorage& storage, SaveCalsGrid& grid) {
    rvx::UserPort& user = storage.user;
    user.playSound(kSoundClick);
    const rvx::CommandsDisabled busy(user);
    if (!user.askYesCancel(text(
            "You are about to erase all cal files on tool. Are you sure you want to proceed?"))) {
        return;
    }
    user.setStatus(text("Deleting cal files from tool..."));
    storage.keepErased.clear();
    for (int slot = 0; slot < kCalSlotCount; ++slot) storage.keepErased.add(calSlotBlock(slot));
    eraseBlockGroup(storage.link, user, storage.backup, {0, 0, calSlotBlock(0), 0},
                    EraseRestore::List, storage.keepErased);
    refresh(storage, grid);
    user.setStatus("");
}

}  // namespace rvxmod::memory
