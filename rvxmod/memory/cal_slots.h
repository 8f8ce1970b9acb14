#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "common/user_port.h"
#include "rvxmod/link/tool_link.h"
#include "rvxmod/model/tool_string.h"

namespace rvxmod::memory {

inline constexpr std::size_t kCalSlotHeaderBytes = 16;
inline constexpr std::size_t kCalSlotLimit = 8176;  // header and file must stay within this
inline constexpr std::size_t kLargestCalFile = kCalSlotLimit - kCalSlotHeaderBytes;  // 8160

// Block of cal slot n (0..5) in chip 0, sector 0.
constexpr int calSlotBlock(int slot) {
    return 2 + slot;
}

// Who a stored file belongs to, as the slot header records it.
struct CalSlotOwner {
    std::int32_t serialNumber = 0;
    std::int32_t typeCode = 0;
    std::int32_t calDate = 0;  // day number
};

// The slot's bytes for a file: the 16 header bytes, the file, then erased bytes to the end of
// the last line the file touches.
std::vector<std::uint8_t> calSlotImage(const CalSlotOwner& owner,
                                       std::span<const std::uint8_t> file);
// Lines a file of this size takes in its slot.
int calSlotLines(std::size_t fileSize);
// The stored file of a slot block: bytes 16 up to the first two erased bytes in a row.
std::vector<std::uint8_t> storedCalFile(std::span<const std::uint8_t> block);

// Rebuilds the stored-file table from line 0 of blocks 2..7 and sets each tool's CalBlockIndex
// to the block of its file, or -1.
void LoadCalsFromMemoryTool(link::ToolLink& link, ConnectedToolString& toolString,
                            rvx::UserPort& user);
// Block of the stored file of this tool; -1 when none.
int getToolsCalBlock(const MemoryObj& memory, std::int32_t typeCode, std::int32_t serialNumber);
// Copies the file stored in block to path.
bool MakeCalFile(link::ToolLink& link, rvx::UserPort& user, int block,
                 const std::filesystem::path& path);
// Writes the slot's first lineCount lines: header and file start in line 0, then the file's
// following 64-byte pieces. Progress advances by one per line; false at the first failed line.
bool SaveCalFile(link::ToolLink& link, rvx::UserPort& user, int block, int lineCount,
                 const CalSlotOwner& owner, std::span<const std::uint8_t> file);

}  // namespace rvxmod::memory
