#include "rvxmod/memory/bad_block_map.h"

#include <cmath>

#include "common/text_catalogue.h"
#include "rvxmod/memory/memory_reads.h"
#include "rvxmod/memory/memory_size.h"
#include "rvxmod/model/memory_geometry.h"

namespace rvxmod::memory {

namespace {

constexpr int kSoundClick = 0;

std::string text(const char* english) {
    return rvx::trText("BadBlocks", english);
}

std::optional<Line> readTableLine(link::ToolLink& link, int line, rvx::UserPort& user) {
    auto bytes = readLineTwice(link, {0, 0, kTableBlock, line});
    if (!bytes) user.showError(text("Could not read Bad Block table."));
    return bytes;
}

}  // namespace

void BadBlockMap::setBad(int chip, int sector, int block, bool bad) {
    bad_[static_cast<std::size_t>(linearBlockNumber(chip, sector, block))] = bad ? 1 : 0;
}

void BadBlockMap::setSector(int chip, int sector, std::span<const std::uint8_t> bitmap) {
    for (int block = 0; block < geometry::kBlocksPerSector; ++block) {
        const std::uint8_t byte = bitmap[static_cast<std::size_t>(block / 8)];
        setBad(chip, sector, block, ((byte >> (block % 8)) & 1U) == 0);
    }
}

bool getBBT(link::ToolLink& link, const MemoryObj& memory, BadBlockMap& map, rvx::UserPort& user) {
    map.clear();
    const auto head = readTableLine(link, 0, user);
    if (!head) return false;
    if ((*head)[0] != kTablePresentMark) return true;
    for (int chip = 0; chip < geometry::kMaxChips; ++chip) {
        for (int sector = 0; sector < memory.Chips[static_cast<std::size_t>(chip)].sectors;
             ++sector) {
            const auto bitmap = readTableLine(link, tableLineOf(chip, sector), user);
            if (!bitmap) return false;
            map.setSector(chip, sector, std::span(*bitmap).first(kSectorBitmapBytes));
        }
    }
    return true;
}

std::vector<std::string> showBBT(const MemoryObj& memory, const BadBlockMap& map) {
    std::vector<std::string> memo;
    int blocks = 0;
    int bad = 0;
    for (int chip = 0; chip < geometry::kMaxChips; ++chip) {
        const ChipInfo& info = memory.Chips[static_cast<std::size_t>(chip)];
        memo.emplace_back();
        memo.push_back(text(" Chip: ") + std::to_string(chip));
        if (!isChipPresent(info)) {
            memo.push_back(text("  Chip not responding. All bad blocks."));
            continue;
        }
        for (int sector = 0; sector < info.sectors; ++sector) {
            memo.push_back(" " + text(" Sector: ") + std::to_string(sector));
            std::string marks;
            for (int block = 0; block < info.blocksPerSector; ++block) {
                const bool isBad = map.isBad(chip, sector, block);
                marks += isBad ? 'B' : '|';
                bad += isBad ? 1 : 0;
            }
            blocks += info.blocksPerSector;
            memo.push_back(marks);
        }
    }
    memo.emplace_back();
    memo.emplace_back("********************");
    const double percent = blocks > 0 ? 100.0 * bad / blocks : 0.0;
    memo.push_back(std::to_string(std::lround(percent)) + text("% of total blocks are bad."));
    for (int block = 0; block < kFirstJobBlock; ++block) {
        if (map.isBad(0, 0, block)) {
            memo.push_back(text("A critical block in memory #1 (U2) is bad."));
            break;
        }
    }
    return memo;
}

std::vector<std::string> readBBTable(link::ToolLink& link, const ConnectedToolString& toolString,
                                     const BadBlockMap& map, rvx::UserPort& user) {
    user.playSound(kSoundClick);
    if (!toolString.MemoryPresent) {
        user.showWarning(text("There is no memory module present, cannot read BB Table."));
        return {};
    }
    const auto head = readTableLine(link, 0, user);
    if (!head) return {};
    if ((*head)[0] != kTablePresentMark) {
        user.showError(text("Bad Block table not on tool"));
        return {};
    }
    return showBBT(toolString.Memory, map);
}

}  // namespace rvxmod::memory
