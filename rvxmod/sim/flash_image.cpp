#include "rvxmod/sim/flash_image.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "common/text_file.h"

namespace rvxmod::sim {

namespace {
constexpr std::uint8_t kErased = 0xFF;
constexpr std::uint8_t kBadBlockMark = 0x00;
constexpr int kBlocksPerChip = 8 * FlashImage::kBlocksPerSector;
}  // namespace

FlashImage::FlashImage(const std::array<std::uint8_t, kChipSlots>& chipSizes)
    : sizeCodes_(chipSizes) {}

int FlashImage::sectorsOf(int chip) const {
    if (chip < 0 || chip >= static_cast<int>(kChipSlots)) return 0;
    switch (sizeCodes_[static_cast<std::size_t>(chip)]) {
        case 32:
            return 2;
        case 64:
            return 4;
        case 128:
            return 8;
        default:
            return 0;
    }
}

bool FlashImage::contains(const FlashAddress& address) const {
    return address.sector >= 0 && address.sector < sectorsOf(address.chip) && address.block >= 0 &&
           address.block < kBlocksPerSector && address.line >= 0 && address.line < kLinesPerBlock;
}

int FlashImage::linearBlock(const FlashAddress& address) const {
    return address.chip * kBlocksPerChip + address.sector * kBlocksPerSector + address.block;
}

std::optional<std::vector<std::uint8_t>> FlashImage::readBlock(const FlashAddress& address) const {
    if (!contains(address)) return std::nullopt;
    if (isBad(address)) return std::vector<std::uint8_t>(kBlockBytes, kBadBlockMark);
    const auto stored = written_.find(linearBlock(address));
    if (stored == written_.end()) return std::vector<std::uint8_t>(kBlockBytes, kErased);
    return stored->second;
}

std::optional<std::vector<std::uint8_t>> FlashImage::readLine(const FlashAddress& address) const {
    auto block = readBlock(address);
    if (!block) return std::nullopt;
    const auto first = block->begin() + address.line * kLineBytes;
    return std::vector<std::uint8_t>(first, first + kLineBytes);
}

bool FlashImage::writeLine(const FlashAddress& address, std::span<const std::uint8_t> bytes) {
    if (!contains(address) || bytes.size() != kLineBytes || isBad(address)) return false;
    auto [stored, added] = written_.try_emplace(linearBlock(address));
    if (added) stored->second.assign(kBlockBytes, kErased);
    auto line = stored->second.begin() + address.line * kLineBytes;
    std::transform(bytes.begin(), bytes.end(), line, line,
                   [](std::uint8_t in, std::uint8_t old) { return in & old; });
    return true;
}

bool FlashImage::eraseGroup(const FlashAddress& address) {
    if (!contains(address)) return false;
    FlashAddress block = address;
    const int first = address.block - address.block % kEraseGroup;
    for (block.block = first; block.block < first + kEraseGroup; ++block.block) {
        written_.erase(linearBlock(block));
    }
    return true;
}

void FlashImage::markBad(const FlashAddress& address) {
    if (contains(address)) bad_.insert(linearBlock(address));
}

bool FlashImage::isBad(const FlashAddress& address) const {
    return bad_.contains(linearBlock(address));
}

rvx::Status FlashImage::saveRaw(const std::filesystem::path& path) const {
    std::string bytes;
    for (int chip = 0; chip < static_cast<int>(kChipSlots); ++chip) {
        for (int sector = 0; sector < sectorsOf(chip); ++sector) {
            for (int block = 0; block < kBlocksPerSector; ++block) {
                const auto data = readBlock({chip, sector, block, 0});
                bytes.append(data->begin(), data->end());
            }
        }
    }
    return rvx::writeFileAtomically(path, bytes);
}

rvx::Status FlashImage::loadRaw(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return rvx::fail("cannot read flash image " + path.string());
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file),
                                          std::istreambuf_iterator<char>()};
    written_.clear();
    std::size_t offset = 0;
    for (int chip = 0; chip < static_cast<int>(kChipSlots); ++chip) {
        for (int sector = 0; sector < sectorsOf(chip); ++sector) {
            for (int block = 0; block < kBlocksPerSector; ++block) {
                if (offset >= bytes.size()) return rvx::ok();
                std::vector<std::uint8_t> data(kBlockBytes, kErased);
                const std::size_t count = std::min<std::size_t>(kBlockBytes, bytes.size() - offset);
                std::copy_n(bytes.begin() + static_cast<long>(offset), count, data.begin());
                written_[linearBlock({chip, sector, block, 0})] = std::move(data);
                offset += kBlockBytes;
            }
        }
    }
    if (offset < bytes.size()) return rvx::fail("flash image is larger than the memory");
    return rvx::ok();
}

}  // namespace rvxmod::sim
