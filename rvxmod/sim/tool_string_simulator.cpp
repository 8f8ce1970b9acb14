#include "rvxmod/sim/tool_string_simulator.h"

#include <algorithm>
#include <bit>

#include "rvxmod/link/commands.h"
#include "rvxmod/model/tool_types.h"
#include "rvxmod/sim/bad_block_table.h"
#include "rvxmod/sim/sensor_model.h"

namespace rvxmod::sim {

namespace {

using link::answerFrame;

std::uint16_t wordAt(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(bytes[offset] * 256 + bytes[offset + 1]);
}

void appendWord(std::vector<std::uint8_t>& bytes, std::uint16_t value) {
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
    bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
}

// The set commands carry the last tool's value first.
template <class Assign>
void assignLastFirst(const std::vector<SimTool*>& tools, std::span<const std::uint8_t> payload,
                     std::size_t width, Assign assign) {
    const std::size_t values = payload.size() / width;
    for (std::size_t k = 0; k < std::min(values, tools.size()); ++k) {
        assign(*tools[k], payload.subspan((values - 1 - k) * width, width));
    }
}

std::vector<TimedBytes> immediately(std::vector<std::uint8_t> bytes) {
    std::vector<TimedBytes> answers;
    answers.push_back({link::Millis{0}, std::move(bytes)});
    return answers;
}

std::vector<TimedBytes> acknowledge(std::uint8_t code) {
    return immediately(answerFrame(code, {}));
}

}  // namespace

ToolStringSimulator::ToolStringSimulator(Scenario scenario)
    : tools_(std::move(scenario.tools)), flash_(scenario.chipSizes) {}

std::vector<TimedBytes> ToolStringSimulator::receive(std::span<const std::uint8_t> bytes) {
    std::vector<TimedBytes> answers;
    for (const link::Request& request : assembler_.feed(bytes)) {
        auto answered = answer(request);
        std::move(answered.begin(), answered.end(), std::back_inserter(answers));
    }
    return faults_ ? faults_->apply(std::move(answers)) : answers;
}

bool ToolStringSimulator::hasMemoryModule() const {
    return std::any_of(tools_.begin(), tools_.end(),
                       [](const SimTool& tool) { return tool.type == kMemory; });
}

std::vector<SimTool*> ToolStringSimulator::sensors() {
    std::vector<SimTool*> found;
    for (SimTool& tool : tools_) {
        if (tool.type != kMemory) found.push_back(&tool);
    }
    return found;
}

std::vector<std::uint8_t> ToolStringSimulator::liveReadings() {
    std::vector<std::uint8_t> sample;
    for (const SimTool* tool : sensors()) {
        const auto bytes = liveSample(*tool, sampleNumber_);
        sample.insert(sample.end(), bytes.begin(), bytes.end());
    }
    ++sampleNumber_;
    return sample;
}

std::vector<TimedBytes> ToolStringSimulator::answer(const link::Request& request) {
    std::vector<SimTool*> everyTool;
    for (SimTool& tool : tools_) everyTool.push_back(&tool);
    std::vector<std::uint8_t> payload;
    switch (request.code) {
        case link::kGetToolIDSerialNumber:
            for (const SimTool& tool : tools_) {
                payload.push_back(tool.type);
                appendWord(payload, tool.serialNumber);
            }
            break;
        case link::kGetToolLength:
            for (const SimTool& tool : tools_) payload.push_back(tool.length);
            break;
        case link::kGetDataLength:
            for (const SimTool& tool : tools_) payload.push_back(tool.sampleSize);
            break;
        case link::kGetData:
            payload = liveReadings();
            break;
        case link::kGetToolCalDate:
            for (const SimTool* tool : sensors()) appendWord(payload, tool->calDate);
            break;
        case link::kGetToolFWDate:
            for (const SimTool* tool : sensors()) appendWord(payload, tool->firmwareDate);
            break;
        case link::kConnect2Tool: {
            const auto module = std::find_if(tools_.begin(), tools_.end(),
                                             [](const SimTool& t) { return t.type == kMemory; });
            appendWord(payload, module == tools_.end() ? 0 : module->firmwareDate);
            break;
        }
        case link::kSetSerialNumber:
            assignLastFirst(everyTool, request.payload, 2, [](SimTool& tool, auto value) {
                tool.serialNumber = wordAt(value, 0);
            });
            break;
        case link::kSetToolLength:
            assignLastFirst(everyTool, request.payload, 1,
                            [](SimTool& tool, auto value) { tool.length = value[0]; });
            break;
        case link::kSetToolCalDate:
            assignLastFirst(sensors(), request.payload, 2,
                            [](SimTool& tool, auto value) { tool.calDate = wordAt(value, 0); });
            break;
        default:
            return hasMemoryModule() ? answerMemory(request) : std::vector<TimedBytes>{};
    }
    return immediately(answerFrame(request.code, payload));
}

std::optional<FlashAddress> ToolStringSimulator::addressOf(
    std::span<const std::uint8_t> payload) const {
    if (payload.size() < 4 || !std::has_single_bit(payload[0])) return std::nullopt;
    const FlashAddress address{std::countr_zero(payload[0]), payload[1], payload[2], payload[3]};
    if (!flash_.contains(address)) return std::nullopt;
    return address;
}

std::vector<TimedBytes> ToolStringSimulator::answerMemory(const link::Request& request) {
    if (request.code == link::kGetMemorySize) {
        return immediately(answerFrame(request.code, flash_.sizeCodes()));
    }
    if (request.code == link::kFormat) return format();
    const auto address = addressOf(request.payload);
    if (!address) return {};
    switch (request.code) {
        case link::kEraseBlocks:
            flash_.eraseGroup(*address);
            return acknowledge(request.code);
        case link::kReadLine:
            return immediately(answerFrame(request.code, *flash_.readLine(*address)));
        case link::kSetLine:
            flash_.writeLine(*address, std::span(request.payload).subspan(4));
            return acknowledge(request.code);
        case link::kReadBlock:
            return immediately(link::blockAnswerFrame(*flash_.readBlock(*address)));
        default:
            return {};
    }
}

std::vector<TimedBytes> ToolStringSimulator::format() {
    flash_.eraseAll();
    writeBadBlockTable(flash_);
    auto answers = acknowledge(link::kFormat);
    link::Millis after{0};
    for (int chip = 0; chip < static_cast<int>(kChipSlots); ++chip) {
        for (int sector = 0; sector < flash_.sectorsOf(chip); ++sector) {
            after += formatSectorTime_;
            const std::array<std::uint8_t, 2> progress{static_cast<std::uint8_t>(chip),
                                                       static_cast<std::uint8_t>(sector)};
            answers.push_back({after, answerFrame(link::kFormat, progress)});
        }
    }
    return answers;
}

}  // namespace rvxmod::sim
