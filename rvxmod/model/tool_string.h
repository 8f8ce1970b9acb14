#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "common/date_time.h"

namespace rvxmod {

class TWaveCal;
class TTempCal;
struct CoefObj;

// One tool of a tool string. Copied whole when tool strings are rebuilt; the converters are
// shared so copies stay cheap and keep using the calibration that was loaded.
struct ToolObj {
    std::uint32_t ToolType = 0;
    std::int32_t SerialNumber = 0;
    std::int32_t ToolLength = 0;
    std::int32_t DataLength = 0;  // raw sample bytes minus one
    std::int32_t CalDate = 0;     // day number
    std::string ToolName;
    std::int32_t FirmwareDate = 0;  // day number
    std::string CalFileName;
    std::int32_t CalBlockIndex = -1;
    bool InJob = false;
    bool NeedsCal = false;
    std::string ToolCode;
    std::shared_ptr<const TWaveCal> PressureCal;
    std::shared_ptr<const TTempCal> TemperatureCal;
    std::shared_ptr<const CoefObj> PressureCoef;
    std::shared_ptr<const CoefObj> TemperatureCoef;
};

using TToolChain = std::vector<ToolObj>;

// A tool as it appears in a job tool string built from a block header.
ToolObj makeJobTool(std::uint32_t type, std::int32_t serialNumber);

struct jobObj {
    std::int32_t RecordSize = 0;
    std::int32_t RecordsPerBlock = 0;
    std::int32_t SamplesDecoded = 0;
    std::int32_t BlockCount = 0;
    std::int32_t JobSampleCount = 0;
    std::int32_t StartBlock = 0;
    std::int32_t EndBlock = 0;
    std::int32_t StartChip = 0;
    std::int32_t EndChip = 0;
    std::int32_t DownloadMode = 0;  // 0 raw counts, 1 real values, 2 both
    std::int32_t StartSector = 0;
    std::int32_t EndSector = 0;
    rvx::DateTime JobStart = 0.0;
    bool Corrupt = false;
    bool RawHeaderWritten = false;
    bool RealHeaderWritten = false;
    TToolChain Tools;
};

// (8192 - 64) / recordSize rounded to the nearest whole number, an exact half to the even one.
std::int32_t recordsPerBlock(std::int32_t recordSize);

struct ChipInfo {
    std::int32_t sizeCode = -1;  // megabits: 32, 64 or 128; 0 when no chip answers
    std::int32_t sectors = -1;
    std::int32_t blocksPerSector = -1;
};

// A calibration file kept in the memory module.
struct StoredCalFile {
    std::int32_t serialNumber = 0;
    std::int32_t typeCode = 0;
    std::int32_t block = 0;
    std::int32_t calDate = 0;
};

struct MemoryObj {
    std::int32_t JobCount = 0;
    std::int32_t Type = -1;
    std::int32_t SerialNumber = -1;
    std::int32_t FirmwareDate = 0;
    std::int32_t ToolLength = -1;
    std::string Name;
    std::string Code;
    std::array<ChipInfo, 8> Chips{};
    std::vector<jobObj> Jobs;
    std::vector<StoredCalFile> StoredFiles;
};

using TValuesArray = std::vector<std::vector<double>>;

// The connected tool string and what goes with it; the memory module never stays in ToolChain.
struct ConnectedToolString {
    TToolChain ToolChain;
    MemoryObj Memory;
    bool MemoryPresent = false;
    bool QuickConnect = false;
    std::int32_t BytesPerLiveSample = 0;

    std::int32_t ToolCount() const { return static_cast<std::int32_t>(ToolChain.size()); }
};

// Index of the first tool with this type and serial number; -1 when none.
int getIndexInChain(std::uint32_t type, std::int32_t serialNumber, const TToolChain& chain);

// True when the tool string of memory.Jobs[jobIndex] holds a tool with this type and serial number.
bool isToolPresentInTC(const MemoryObj& memory, std::size_t jobIndex, std::uint32_t type,
                       std::int32_t serialNumber);

void resetMemoryTool(MemoryObj& memory);

// The calibration file kept in the memory module for this tool; nullptr when there is none.
const StoredCalFile* findStoredCalFile(const MemoryObj& memory, std::uint32_t type,
                                       std::int32_t serialNumber);

}  // namespace rvxmod
