#include "rvxmod/memory/block_group.h"

#include <algorithm>

#include "common/text_catalogue.h"
#include "rvxmod/memory/memory_reads.h"
#include "rvxmod/model/memory_geometry.h"

namespace rvxmod::memory {

namespace {

constexpr std::size_t kGroupBytes =
    static_cast<std::size_t>(kEraseGroupBlocks) * geometry::kBlockSize;

int groupStart(int block) {
    return block - block % kEraseGroupBlocks;
}

}  // namespace

bool KeepErasedList::add(int block) {
    if (contains(block)) return true;
    const auto free = std::find(blocks_.begin(), blocks_.end(), -1);
    if (free == blocks_.end()) return false;
    *free = block;
    return true;
}

bool KeepErasedList::contains(int block) const {
    return std::find(blocks_.begin(), blocks_.end(), block) != blocks_.end();
}

BlockGroupBackup::BlockGroupBackup() : bytes_(kGroupBytes, kErasedByte) {}

std::span<const std::uint8_t> BlockGroupBackup::block(int indexInGroup) const {
    return std::span(bytes_).subspan(static_cast<std::size_t>(indexInGroup) * geometry::kBlockSize,
                                     geometry::kBlockSize);
}

int BlockGroupBackup::backUpBlocks(link::ToolLink& link, int chip, int sector, int firstBlock) {
    blocksHeld_ = 0;
    for (int i = 0; i < kEraseGroupBlocks; ++i) {
        const auto data = readBlockTwice(link, {chip, sector, firstBlock + i, 0});
        if (!data) break;
        std::copy(data->begin(), data->end(),
                  bytes_.begin() + static_cast<long>(i) * geometry::kBlockSize);
        blocksHeld_ = i + 1;
    }
    return blocksHeld_;
}

bool BlockGroupBackup::writeBlock(link::ToolLink& link, const link::MemoryAddress& address,
                                  int indexInGroup) {
    const auto data = block(indexInGroup);
    bool written = true;
    for (int line = 0; line < kLinesPerBlock; ++line) {
        const auto bytes =
            data.subspan(static_cast<std::size_t>(line) * geometry::kLineSize, geometry::kLineSize);
        std::copy(bytes.begin(), bytes.end(), link.lineWriteBuffer().begin());
        // A failed line does not stop the others: every line written back is data saved.
        if (!link::send_SetLine(link, {address.chip, address.sector, address.block, line})) {
            written = false;
        }
    }
    return written;
}

template <class Keep>
bool BlockGroupBackup::restore(link::ToolLink& link, rvx::UserPort& user, int chip, int sector,
                               int firstBlock, Keep keepErased) {
    bool restored = true;
    for (int i = 0; i < blocksHeld_; ++i) {
        const int blockNumber = firstBlock + i;
        if (keepErased(blockNumber)) continue;
        if (!writeBlock(link, {chip, sector, blockNumber, 0}, i)) restored = false;
    }
    if (!restored) {
        user.showError(
            rvx::trText("Memory", "Error while erasing - Some data may have been lost."));
    }
    return restored;
}

bool BlockGroupBackup::RestoreBlocks(link::ToolLink& link, rvx::UserPort& user, int chip,
                                     int sector, int firstBlock, int erasedBlock) {
    return restore(link, user, chip, sector, firstBlock,
                   [erasedBlock](int block) { return block == erasedBlock; });
}

bool BlockGroupBackup::RestoreBlocks_multi(link::ToolLink& link, rvx::UserPort& user, int chip,
                                           int sector, int firstBlock,
                                           const KeepErasedList& keepErased) {
    return restore(link, user, chip, sector, firstBlock,
                   [&keepErased](int block) { return keepErased.contains(block); });
}

bool eraseBlockGroup(link::ToolLink& link, rvx::UserPort& user, BlockGroupBackup& backup,
                     const link::MemoryAddress& address, EraseRestore restore,
                     const KeepErasedList& keepErased) {
    const int first = groupStart(address.block);
    if (restore != EraseRestore::None &&
        backup.backUpBlocks(link, address.chip, address.sector, first) < kEraseGroupBlocks) {
        return false;
    }
    const bool erased = link::send_EraseBlocks(link, address);
    switch (restore) {
        case EraseRestore::None:
            return erased;
        case EraseRestore::Others:
            return backup.RestoreBlocks(link, user, address.chip, address.sector, first,
                                        address.block) &&
                   erased;
        case EraseRestore::List:
            return backup.RestoreBlocks_multi(link, user, address.chip, address.sector, first,
                                              keepErased) &&
                   erased;
    }
    return false;
}

bool BackupBlock(link::ToolLink& link, std::vector<std::uint8_t>& destination) {
    const auto data = readBlockTwice(link, {0, 0, kTableBlock, 0});
    if (!data) return false;
    destination = *data;
    return true;
}

}  // namespace rvxmod::memory
