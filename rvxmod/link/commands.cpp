#include "rvxmod/link/commands.h"

#include <algorithm>

#include "common/text_catalogue.h"
#include "rvxmod/model/tool_types.h"

namespace rvxmod::link {

namespace {

constexpr Millis kIdentificationTimeout{2000};
constexpr Millis kCommandTimeout{1000};
constexpr Millis kLiveDataTimeout{500};
constexpr Millis kEraseTimeout{1500};
constexpr Millis kMemorySizeTimeout{4000};
constexpr Millis kBlockReadTimeoutAtUserRate{3000};
constexpr Millis kFormatPause{100};
constexpr std::int64_t kLargestSerialNumber = 65535;
constexpr std::uint8_t kSetLineFill = 0xAA;
constexpr int kBitsPerByteOnLine = 10;  // start bit, 8 data bits, stop bit

bool ask(ToolLink& link, std::uint8_t code, Millis timeout) {
    return link.exchange(code, {}, timeout);
}

void appendWord(std::vector<std::uint8_t>& payload, std::int64_t value) {
    payload.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
    payload.push_back(static_cast<std::uint8_t>(value & 0xFF));
}

// The set commands take the last row first; rows without a name leave zeros at the front.
template <class Encode>
std::vector<std::uint8_t> lastRowFirst(std::span<const IdentityRow> rows, std::size_t bytesPerRow,
                                       Encode encode) {
    const auto named = std::count_if(rows.begin(), rows.end(),
                                     [](const IdentityRow& row) { return !row.name.empty(); });
    std::vector<std::uint8_t> payload((rows.size() - static_cast<std::size_t>(named)) * bytesPerRow,
                                      0);
    std::for_each(rows.rbegin(), rows.rend(), [&](const IdentityRow& row) {
        if (!row.name.empty()) encode(payload, row);
    });
    return payload;
}

}  // namespace

std::array<std::uint8_t, 4> addressBytes(const MemoryAddress& address) {
    return {static_cast<std::uint8_t>(1U << address.chip),
            static_cast<std::uint8_t>(address.sector), static_cast<std::uint8_t>(address.block),
            static_cast<std::uint8_t>(address.line)};
}

Millis blockReadTimeout(int baud) {
    if (baud <= 0) return kBlockReadTimeoutAtUserRate;
    // Twice the time the answer needs on the line leaves room for the tool's own reading time.
    const auto transferMs =
        static_cast<std::int64_t>(kBlockAnswerSize) * kBitsPerByteOnLine * 1000 / baud;
    return std::max(kBlockReadTimeoutAtUserRate, Millis{2 * transferMs});
}

bool send_GetToolIDSerialNumber(ToolLink& link) {
    return ask(link, kGetToolIDSerialNumber, kIdentificationTimeout);
}

bool send_SetSerialNumber(ToolLink& link, std::span<const IdentityRow> rows, rvx::UserPort& user) {
    const bool tooLarge = std::any_of(rows.begin(), rows.end(), [](const IdentityRow& row) {
        return !row.name.empty() && row.serialNumber > kLargestSerialNumber;
    });
    if (tooLarge) {
        user.showError(rvx::trText("Link", "Serial Number can not be greater than 65,535"));
        return false;
    }
    const auto payload = lastRowFirst(
        rows, 2, [](auto& bytes, const IdentityRow& row) { appendWord(bytes, row.serialNumber); });
    return link.exchange(kSetSerialNumber, payload, kCommandTimeout);
}

bool send_GetToolLength(ToolLink& link) {
    return ask(link, kGetToolLength, kCommandTimeout);
}

bool send_SetToolLength(ToolLink& link, std::span<const IdentityRow> rows,
                        ConnectedToolString& toolString) {
    const std::string memoryName = toolTypeName(kMemory);
    const std::size_t firstToolRow = toolString.MemoryPresent ? 1 : 0;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if (rows[row].name.empty()) continue;
        if (rows[row].name == memoryName) {
            toolString.Memory.ToolLength = rows[row].toolLength;
        } else if (row >= firstToolRow && row - firstToolRow < toolString.ToolChain.size()) {
            toolString.ToolChain[row - firstToolRow].ToolLength = rows[row].toolLength;
        }
    }
    const auto payload = lastRowFirst(rows, 1, [](auto& bytes, const IdentityRow& row) {
        bytes.push_back(static_cast<std::uint8_t>(row.toolLength));
    });
    return link.exchange(kSetToolLength, payload, kCommandTimeout);
}

bool send_GetDataLength(ToolLink& link) {
    return ask(link, kGetDataLength, kCommandTimeout);
}

bool send_GetData(ToolLink& link) {
    return ask(link, kGetData, kLiveDataTimeout);
}

bool send_Connect2Tool(ToolLink& link) {
    return ask(link, kConnect2Tool, kCommandTimeout);
}

bool send_EraseBlocks(ToolLink& link, const MemoryAddress& address) {
    const MemoryAddress group{address.chip, address.sector, address.block - address.block % 8, 0};
    return link.exchange(kEraseBlocks, addressBytes(group), kEraseTimeout);
}

bool ReadLine(ToolLink& link, const MemoryAddress& address) {
    const bool answered = link.exchange(kReadLine, addressBytes(address), kCommandTimeout);
    auto& lines = link.lineBuffer();
    const auto payload = link.receiver().payload();
    const bool complete = answered && payload.size() >= kLineBytes;
    for (std::size_t i = 0; i < kLineBytes; ++i) lines[i] = complete ? payload[i] : 0;
    link.receiver().clearResponse();
    return complete;
}

bool send_SetLine(ToolLink& link, const MemoryAddress& address) {
    std::vector<std::uint8_t> payload;
    const auto addressPart = addressBytes(address);
    payload.insert(payload.end(), addressPart.begin(), addressPart.end());
    payload.insert(payload.end(), link.lineWriteBuffer().begin(), link.lineWriteBuffer().end());
    return link.exchange(kSetLine, payload, kCommandTimeout, kSetLineFill);
}

bool ReadBlock(ToolLink& link, const MemoryAddress& address) {
    Receiver& receiver = link.receiver();
    receiver.setMode(ReceiveMode::BlockRead);
    const MemoryAddress block{address.chip, address.sector, address.block, 0};
    const bool answered =
        link.exchange(kReadBlock, addressBytes(block), blockReadTimeout(link.port().baud()));
    std::copy(receiver.blockData().begin(), receiver.blockData().end(), link.lineBuffer().begin());
    receiver.clearResponse();
    receiver.setMode(ReceiveMode::Ordinary);
    return answered;
}

bool Send_Format(ToolLink& link) {
    link.clock().sleepFor(kFormatPause);
    return ask(link, kFormat, kCommandTimeout);
}

bool send_getMemorySize(ToolLink& link) {
    return ask(link, kGetMemorySize, kMemorySizeTimeout);
}

bool send_GetToolCalDate(ToolLink& link) {
    return ask(link, kGetToolCalDate, kCommandTimeout);
}

bool send_setToolCalDate(ToolLink& link, std::span<const std::int32_t> dates) {
    std::vector<std::uint8_t> payload;
    std::for_each(dates.rbegin(), dates.rend(),
                  [&](std::int32_t date) { appendWord(payload, date); });
    return link.exchange(kSetToolCalDate, payload, kCommandTimeout);
}

bool send_GetToolFWDate(ToolLink& link) {
    return ask(link, kGetToolFWDate, kCommandTimeout);
}

}  // namespace rvxmod::link
