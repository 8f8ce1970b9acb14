#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "common/user_port.h"
#include "rvxmod/link/commands.h"
#include "rvxmod/link/tool_link.h"
#include "rvxmod/memory/memory_map.h"

namespace rvxmod::memory {

// Up to six block numbers a multi-block erase leaves erased; -1 marks an unused entry.
class KeepErasedList {
public:
    KeepErasedList() { clear(); }
    void clear() { blocks_.fill(-1); }
    // False when all six entries are taken.
    bool add(int block);
    bool contains(int block) const;

private:
    std::array<int, kCalSlotCount> blocks_{};
};

// The eight blocks of an erase group as they were before the erase. After a restore that failed
// the copy stays here, so nothing is lost while the program runs and the restore can be repeated.
class BlockGroupBackup {
public:
    BlockGroupBackup();

    // Reads the group's blocks in order (each with one retry) and returns how many were read;
    // a block that cannot be read ends the backup there.
    int backUpBlocks(link::ToolLink& link, int chip, int sector, int firstBlock);
    // Writes every backed-up block of the group other than erasedBlock back line by line. A failed
    // line write shows "Error while erasing - Some data may have been lost." and gives false.
    bool RestoreBlocks(link::ToolLink& link, rvx::UserPort& user, int chip, int sector,
                       int firstBlock, int erasedBlock);
    // The same, leaving the blocks of the keep-erased list erased.
    bool RestoreBlocks_multi(link::ToolLink& link, rvx::UserPort& user, int chip, int sector,
                             int firstBlock, const KeepErasedList& keepErased);

    int blocksHeld() const { return blocksHeld_; }
    std::span<const std::uint8_t> block(int indexInGroup) const;

private:
    template <class Keep>
    bool restore(link::ToolLink& link, rvx::UserPort& user, int chip, int sector, int firstBlock,
                 Keep keepErased);
    bool writeBlock(link::ToolLink& link, const link::MemoryAddress& address, int indexInGroup);

    std::vector<std::uint8_t> bytes_;
    int blocksHeld_ = 0;
};

// What an erase does with the other blocks of its group.
enum class EraseRestore {
    None,    // the whole group ends erased
    Others,  // every block but the addressed one is written back
    List,    // every block but those of the keep-erased list is written back
};

// Erases the 8-block group holding address.block. With a restore the group is backed up first;
// when the backup is incomplete nothing is erased, because the unread blocks would be lost. The
// restore runs even when the erase went unanswered: rewriting unchanged flash changes nothing,
// and an erase that happened after all must not take the neighbours with it.
bool eraseBlockGroup(link::ToolLink& link, rvx::UserPort& user, BlockGroupBackup& backup,
                     const link::MemoryAddress& address, EraseRestore restore,
                     const KeepErasedList& keepErased = {});

// Reads block 0 of chip 0, sector 0 (one retry) into destination, before block 0 is rewritten.
bool BackupBlock(link::ToolLink& link, std::vector<std::uint8_t>& destination);

}  // namespace rvxmod::memory
