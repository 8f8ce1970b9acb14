#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "common/user_port.h"
#include "rvxmod/link/tool_link.h"
#include "rvxmod/model/tool_string.h"

namespace rvxmod::link {

// Command codes on the line.
enum CommandCode : std::uint8_t {
    kGetToolIDSerialNumber = 0x00,
    kSetSerialNumber = 0x01,
    kGetToolLength = 0x02,
    kSetToolLength = 0x03,
    kGetDataLength = 0x04,
    kGetData = 0x05,
    kConnect2Tool = 0x06,
    kEraseBlocks = 0x0A,
    kReadLine = 0x0B,
    kSetLine = 0x0C,
    kReadBlock = 0x0D,
    kFormat = 0x0E,
    kGetMemorySize = 0x0F,
    kGetToolCalDate = 0x13,
    kSetToolCalDate = 0x14,
    kGetToolFWDate = 0x15,
};

// A place in the memory module's flash.
struct MemoryAddress {
    int chip = 0;  // 0..7, sent one-hot
    int sector = 0;
    int block = 0;
    int line = 0;
};

// The four address bytes of a memory request: chip select, sector, block, line.
std::array<std::uint8_t, 4> addressBytes(const MemoryAddress& address);

// A block answer takes 8197 bytes on the line; the wait for it grows with the transfer time at
// slow rates and is 3000 ms at the user rate.
Millis blockReadTimeout(int baud);

// One row of the serial-number and length grid, memory module first when present.
struct IdentityRow {
    std::string name;  // empty: the row is not sent
    std::int64_t serialNumber = 0;
    std::int32_t toolLength = 0;
};

// Every sender returns the answer flag: true when an acceptable answer came before its time-out.
// Answers are read from link.receiver().payload() (block data from blockData()).
bool send_GetToolIDSerialNumber(ToolLink& link);
bool send_SetSerialNumber(ToolLink& link, std::span<const IdentityRow> rows, rvx::UserPort& user);
bool send_GetToolLength(ToolLink& link);
// Also stores every length in the model before sending.
bool send_SetToolLength(ToolLink& link, std::span<const IdentityRow> rows,
                        ConnectedToolString& toolString);
bool send_GetDataLength(ToolLink& link);
bool send_GetData(ToolLink& link);
bool send_Connect2Tool(ToolLink& link);
// Erases the 8-block group holding address.block; backup and restore belong to the memory code.
bool send_EraseBlocks(ToolLink& link, const MemoryAddress& address);
// Line buffer elements 0..63 get the line, or 0 when the read failed.
bool ReadLine(ToolLink& link, const MemoryAddress& address);
// Sends the 64 bytes of the line-write buffer.
bool send_SetLine(ToolLink& link, const MemoryAddress& address);
// Line buffer elements 0..8191 get the block; the bytes stay in the receive buffer too.
bool ReadBlock(ToolLink& link, const MemoryAddress& address);
// The caller puts the receiver in stream mode first; true when the tool acknowledged.
bool Send_Format(ToolLink& link);
bool send_getMemorySize(ToolLink& link);
bool send_GetToolCalDate(ToolLink& link);
// dates[i] belongs to ToolChain[i]; sent last tool first.
bool send_setToolCalDate(ToolLink& link, std::span<const std::int32_t> dates);
bool send_GetToolFWDate(ToolLink& link);

}  // namespace rvxmod::link
