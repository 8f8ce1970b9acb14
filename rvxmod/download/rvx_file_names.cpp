#include "rvxmod/download/rvx_file_names.h"

#include "common/text_catalogue.h"
#include "rvxmod/download/rvx_text_format.h"

namespace rvxmod {
namespace {

constexpr const char* kContext = "RvxFile";
constexpr const char* kExtension = ".rvx";

std::string rawCountsSuffix() {
    std::string suffix = "_";
    suffix += rvx::trText(kContext, "Raw");
    suffix += rvx::trText(kContext, "Counts");
    return suffix;
}

}  // namespace

std::string memoryIdentity(const MemoryObj& memory) {
    if (memory.SerialNumber < 0) return {};
    return memory.Code + fiveDigitSerial(memory.SerialNumber);
}

std::string proposedRvxFileName(const MemoryObj& memory, int jobNumber, bool rawCountsOnly) {
    return rvx::trText(kContext, "RVX-") + memoryIdentity(memory) + "_Job" +
           std::to_string(jobNumber) + (rawCountsOnly ? rawCountsSuffix() : "") + kExtension;
}

std::string rawCountsFileName(const std::string& realValuesPath) {
    // Always a name of its own: keeping a chosen name that already says "Counts" would send both
    // kinds of lines into one file, each header truncating the other's lines.
    const std::size_t nameStart = realValuesPath.find_last_of("/\\");
    const std::size_t dot = realValuesPath.rfind('.');
    const bool hasExtension =
        dot != std::string::npos && (nameStart == std::string::npos || dot > nameStart);
    return realValuesPath.substr(0, hasExtension ? dot : realValuesPath.size()) +
           rawCountsSuffix() + kExtension;
}

}  // namespace rvxmod
