#include "rvxmod/download/rvx_data_line.h"

#include <optional>

#include "rvxmod/download/output_units.h"
#include "rvxmod/download/rvx_text_format.h"
#include "rvxmod/model/tool_types.h"

namespace rvxmod {
namespace {

constexpr std::size_t kFieldGap = 5;
constexpr double kMissingSpinner = kMissingValue;

void appendNull(std::string& out) {
    out += kNullValueText;
    out.append(kFieldGap, ' ');
}

void appendCount(std::string& out, std::int32_t count, std::size_t gap = kFieldGap) {
    if (count == kMissingValue) return appendNull(out);
    appendInteger(out, count);
    out.append(gap, ' ');
}

void appendReal(std::string& out, std::optional<double> value, int decimals,
                std::size_t gap = kFieldGap) {
    if (!value) return appendNull(out);
    appendFixed(out, *value, decimals);
    out.append(gap, ' ');
}

std::optional<double> spinnerOf(const SampleRecord& sample) {
    if (sample.spinner == kMissingSpinner) return std::nullopt;
    return sample.spinner;
}

bool hasRawPair(const SampleRecord& sample) {
    return sample.raw1 != kMissingValue && sample.raw2 != kMissingValue;
}

std::optional<double> revolutionsOf(const SampleRecord& sample, const RvxOutputOptions& options) {
    const auto spinner = spinnerOf(sample);
    if (!spinner) return std::nullopt;
    return outputRevolutions(*spinner, options);
}

const SampleRecord& sampleOf(const SectorSamples& samples, const std::optional<std::size_t>& tool,
                             std::size_t index) {
    static const SampleRecord missing;
    return tool ? samples.at(*tool, index) : missing;
}

}  // namespace

DataLineBuilder::DataLineBuilder(const TToolChain& tools, const OutputOrder& order, bool realValues,
                                 const RvxOutputOptions& options, const SampleConverter& converter,
                                 rvx::DateTime jobStart)
    : tools_(tools),
      order_(order),
      realValues_(realValues),
      options_(options),
      converter_(converter),
      jobStart_(jobStart) {}

void DataLineBuilder::appendLine(std::string& out, const SectorSamples& samples, std::size_t index,
                                 std::int64_t time) const {
    appendTime(out, time);
    if (realValues_)
        appendRealStandard(out, samples, index);
    else
        appendRawStandard(out, samples, index);
    for (const std::size_t tool : order_.extras) addDataString(out, tool, samples.at(tool, index));
    out += "\r\n";
}

void DataLineBuilder::appendTime(std::string& out, std::int64_t time) const {
    constexpr double kTenthsPerHour = 36000;
    constexpr double kTenthsPerDay = 864000;
    if (options_.time == TimeColumn::RealTime)
        appendRealTime(out, jobStart_ + static_cast<double>(time) / kTenthsPerDay);
    else
        appendFixed(out, static_cast<double>(time) / kTenthsPerHour, 5);
    out.append(kFieldGap, ' ');
}

void DataLineBuilder::appendRealPressureTemperature(std::string& out, std::size_t toolIndex,
                                                    const SampleRecord& sample,
                                                    std::size_t spacesAfterPressure) const {
    const auto converted = hasRawPair(sample) ? converter_.pressureTemperature(
                                                    tools_[toolIndex], sample.raw1, sample.raw2)
                                              : std::nullopt;
    if (!converted) {
        appendNull(out);
        return appendNull(out);
    }
    appendReal(out, outputPressure(converted->psiAbsolute, options_), 3, spacesAfterPressure);
    appendReal(out, outputTemperature(converted->celsius, options_), 3);
}

void DataLineBuilder::appendRealStandard(std::string& out, const SectorSamples& samples,
                                         std::size_t index) const {
    if (order_.pressure)
        appendRealPressureTemperature(out, *order_.pressure, samples.at(*order_.pressure, index),
                                      kFieldGap);
    else {
        appendNull(out);
        appendNull(out);
    }
    appendCount(out, sampleOf(samples, order_.collars, index).ccl);
    appendReal(
        out,
        order_.rtd ? rtdTemperature(*order_.rtd, samples.at(*order_.rtd, index)) : std::nullopt, 3);
    appendReal(out, revolutionsOf(sampleOf(samples, order_.revolutions, index), options_), 2);
}

std::optional<double> DataLineBuilder::rtdTemperature(std::size_t toolIndex,
                                                      const SampleRecord& sample) const {
    if (sample.rtd == kMissingValue) return std::nullopt;
    const auto celsius = converter_.rtdCelsius(tools_[toolIndex], sample.rtd);
    if (!celsius) return std::nullopt;
    return outputTemperature(*celsius, options_);
}

void DataLineBuilder::appendRawStandard(std::string& out, const SectorSamples& samples,
                                        std::size_t index) const {
    const SampleRecord& gauge = sampleOf(samples, order_.pressure, index);
    appendCount(out, gauge.raw1, kFieldGap - 1);
    appendCount(out, gauge.raw2);
    appendCount(out, sampleOf(samples, order_.collars, index).ccl);
    appendCount(out, sampleOf(samples, order_.rtd, index).rtd);
    appendReal(out, revolutionsOf(sampleOf(samples, order_.revolutions, index), options_), 2);
}

void DataLineBuilder::addDataString(std::string& out, std::size_t toolIndex,
                                    const SampleRecord& sample) const {
    const ToolObj& tool = tools_[toolIndex];
    switch (tool.ToolType) {
        case kCCL:
            return appendCount(out, sample.ccl);
        case kRTD:
            if (realValues_) return appendReal(out, rtdTemperature(toolIndex, sample), 3);
            return appendCount(out, sample.rtd);
        case kPiezo:
        case kRarodIdirura: {
            const std::size_t fields = tool.ToolType == kPiezo ? 2 : 3;
            if (!hasRawPair(sample)) {
                for (std::size_t i = 0; i < fields; ++i) appendNull(out);
                return;
            }
            if (realValues_)
                appendRealPressureTemperature(out, toolIndex, sample,
                                              tool.ToolType == kPiezo ? 1 : kFieldGap);
            else {
                appendCount(out, sample.raw1);
                appendCount(out, sample.raw2);
            }
            if (tool.ToolType == kPiezo) return;
            // Raw-counts files keep the spinner value as recorded.
            return appendReal(out,
                              realValues_ ? revolutionsOf(sample, options_) : spinnerOf(sample), 2);
        }
        case kSpinner:
            return appendReal(out, spinnerOf(sample), 2);
        default:
            return;
    }
}

}  // namespace rvxmod
