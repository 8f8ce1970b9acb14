#include "rvxmod/download/tool_group_decoder.h"

#include <cmath>

#include "rvxmod/model/tool_types.h"

namespace rvxmod {
namespace {

using Group = std::span<const std::uint8_t>;

std::int32_t unsigned24(Group group, std::size_t first) {
    return static_cast<std::int32_t>((std::uint32_t{group[first]} << 16) |
                                     (std::uint32_t{group[first + 1]} << 8) | group[first + 2]);
}

std::uint16_t word16(Group group, std::size_t first) {
    return static_cast<std::uint16_t>((group[first] << 8) | group[first + 1]);
}

SampleRecord ProcessZizorIrediz(Group group) {
    SampleRecord sample;
    sample.raw1 = unsigned24(group, 1);
    sample.raw2 = unsigned24(group, 4);
    sample.rtd = unsigned24(group, 7);
    sample.spinner = word16(group, 10);
    return sample;
}

SampleRecord ProcessCCL(Group group) {
    SampleRecord sample;
    sample.ccl = unsigned24(group, 1);
    return sample;
}

SampleRecord ProcessRTD(Group group) {
    SampleRecord sample;
    sample.rtd = unsigned24(group, 1);
    return sample;
}

SampleRecord ProcessPeizo(Group group) {
    SampleRecord sample;
    sample.raw1 = unsigned24(group, 1);
    sample.raw2 = unsigned24(group, 4);
    return sample;
}

SampleRecord ProcessPeizoSpinner(Group group, DecodeUse use) {
    SampleRecord sample = ProcessPeizo(group);
    const auto s = static_cast<std::int16_t>(word16(group, 7));
    sample.spinner = use == DecodeUse::Download ? s / 12.0 * 10 : s / 12.0;
    return sample;
}

SampleRecord ProcessSpinner(Group group) {
    SampleRecord sample;
    // The default floating-point rounding mode sends exact halves to the even integer.
    sample.spinner = std::nearbyint(word16(group, 1) / 12.0);
    return sample;
}

}  // namespace

std::optional<SampleRecord> decodeToolGroup(std::uint32_t toolType, Group group, DecodeUse use) {
    const ToolTypeInfo info = toolTypeInfo(toolType);
    if (info.jobSampleBytes == 0 || group.size() < static_cast<std::size_t>(info.jobSampleBytes))
        return std::nullopt;
    switch (toolType) {
        case kZizorIrediz:
            return ProcessZizorIrediz(group);
        case kCCL:
            return ProcessCCL(group);
        case kRTD:
            return ProcessRTD(group);
        case kPiezo:
            return ProcessPeizo(group);
        case kRarodIdirura:
            return ProcessPeizoSpinner(group, use);
        case kSpinner:
            return ProcessSpinner(group);
        default:
            return std::nullopt;
    }
}

}  // namespace rvxmod
