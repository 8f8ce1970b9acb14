#include "rvxmod/memory/cal_slots.h"

#include <algorithm>

#include "common/text_catalogue.h"
#include "common/text_file.h"
#include "rvxmod/memory/memory_map.h"
#include "rvxmod/memory/memory_reads.h"
#include "rvxmod/model/memory_geometry.h"

namespace rvxmod::memory {

namespace {

constexpr std::size_t kSerialOffset = 1;
constexpr std::size_t kTypeOffset = 5;
constexpr std::size_t kDateOffset = 9;

void put32(std::vector<std::uint8_t>& bytes, std::size_t offset, std::int32_t value) {
    const auto word = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<std::uint8_t>(word >> (24 - 8 * i));
    }
}

std::int32_t get32(std::span<const std::uint8_t> bytes, std::size_t offset) {
    std::uint32_t word = 0;
    for (std::size_t i = 0; i < 4; ++i) word = (word << 8) | bytes[offset + i];
    return static_cast<std::int32_t>(word);
}

std::string text(const char* english) {
    return rvx::trText("CalStorage", english);
}

}  // namespace

int calSlotLines(std::size_t fileSize) {
    const std::size_t bytes = kCalSlotHeaderBytes + fileSize;
    return static_cast<int>((bytes + geometry::kLineSize - 1) / geometry::kLineSize);
}

std::vector<std::uint8_t> calSlotImage(const CalSlotOwner& owner,
                                       std::span<const std::uint8_t> file) {
    std::vector<std::uint8_t> image(
        static_cast<std::size_t>(calSlotLines(file.size())) * geometry::kLineSize, kErasedByte);
    image[0] = kRecordedMark;
    put32(image, kSerialOffset, owner.serialNumber);
    put32(image, kTypeOffset, owner.typeCode);
    put32(image, kDateOffset, owner.calDate);
    std::copy(file.begin(), file.end(), image.begin() + kCalSlotHeaderBytes);
    return image;
}

std::vector<std::uint8_t> storedCalFile(std::span<const std::uint8_t> block) {
    const auto data = block.subspan(kCalSlotHeaderBytes);
    const std::uint8_t endMark[] = {kErasedByte, kErasedByte};
    const auto end = std::search(data.begin(), data.end(), std::begin(endMark), std::end(endMark));
    return {data.begin(), end};
}

void LoadCalsFromMemoryTool(link::ToolLink& link, ConnectedToolString& toolString,
                            rvx::UserPort& user) {
    MemoryObj& memory = toolString.Memory;
    memory.StoredFiles.clear();
    for (ToolObj& tool : toolString.ToolChain) tool.CalBlockIndex = -1;
    for (int slot = 0; slot < kCalSlotCount; ++slot) {
        const int block = calSlotBlock(slot);
        const auto header = readLineTwice(link, {0, 0, block, 0});
        if (!header) {
            user.showError(text("Error reading cal file block ") + std::to_string(block));
            continue;
        }
        if ((*header)[kSerialOffset] == kErasedByte) continue;
        const StoredCalFile stored{get32(*header, kSerialOffset), get32(*header, kTypeOffset),
                                   block, get32(*header, kDateOffset)};
        memory.StoredFiles.push_back(stored);
        const int index = getIndexInChain(static_cast<std::uint32_t>(stored.typeCode),
                                          stored.serialNumber, toolString.ToolChain);
        if (index >= 0) toolString.ToolChain[static_cast<std::size_t>(index)].CalBlockIndex = block;
    }
}

int getToolsCalBlock(const MemoryObj& memory, std::int32_t typeCode, std::int32_t serialNumber) {
    const StoredCalFile* file =
        findStoredCalFile(memory, static_cast<std::uint32_t>(typeCode), serialNumber);
    return file == nullptr ? -1 : file->block;
}

bool MakeCalFile(link::ToolLink& link, rvx::UserPort& user, int block,
                 const std::filesystem::path& path) {
    const auto data = readBlockTwice(link, {0, 0, block, 0});
    if (!data) {
        user.showError(text("Communications error. Please re-connect"));
        return false;
    }
    const std::vector<std::uint8_t> file = storedCalFile(*data);
    const std::string_view bytes(reinterpret_cast<const char*>(file.data()), file.size());
    if (auto written = rvx::writeFileAtomically(path, bytes); !written) {
        user.showError(written.error().message);
        return false;
    }
    return true;
}

bool SaveCalFile(link::ToolLink& link, rvx::UserPort& user, int block, int lineCount,
                 const CalSlotOwner& owner, std::span<const std::uint8_t> file) {
    std::vector<std::uint8_t> image = calSlotImage(owner, file);
    image.resize(static_cast<std::size_t>(lineCount) * geometry::kLineSize, kErasedByte);
    for (int line = 0; line < lineCount; ++line) {
        const auto first = image.begin() + static_cast<long>(line) * geometry::kLineSize;
        std::copy(first, first + geometry::kLineSize, link.lineWriteBuffer().begin());
        if (!link::send_SetLine(link, {0, 0, block, line})) return false;
        user.setProgress(line + 1, lineCount);
    }
    return true;
}

}  // namespace rvxmod::memory
