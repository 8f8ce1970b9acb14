#include "rvxmod/sim/scenario.h"

#include <charconv>
#include <sstream>
#include <string>

#include "common/date_time.h"
#include "common/fixed_text.h"
#include "common/text_file.h"

namespace rvxmod::sim {

namespace {

std::optional<int> parseInt(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// "yyyy/mm/dd" as a day number.
std::optional<std::uint16_t> parseDayNumber(std::string_view text) {
    const std::size_t first = text.find('/');
    const std::size_t second = text.find('/', first + 1);
    if (first == std::string_view::npos || second == std::string_view::npos) return std::nullopt;
    const auto year = parseInt(text.substr(0, first));
    const auto month = parseInt(text.substr(first + 1, second - first - 1));
    const auto day = parseInt(text.substr(second + 1));
    if (!year || !month || !day) return std::nullopt;
    const auto date = rvx::tryEncodeDateTime({.year = *year, .month = *month, .day = *day});
    if (!date) return std::nullopt;
    return rvx::dayNumberFromDateTime(*date);
}

std::optional<SimTool> parseTool(const std::vector<std::string>& words) {
    if (words.size() != 7) return std::nullopt;
    const auto type = parseInt(words[1]);
    const auto serial = parseInt(words[2]);
    const auto length = parseInt(words[3]);
    const auto sampleSize = parseInt(words[4]);
    const auto calDate = parseDayNumber(words[5]);
    const auto firmwareDate = parseDayNumber(words[6]);
    const auto isByte = [](std::optional<int> v) { return v && *v >= 0 && *v <= 255; };
    if (!isByte(type) || !serial || *serial < 0 || *serial > 65535 || !isByte(length) ||
        !isByte(sampleSize) || !calDate || !firmwareDate) {
        return std::nullopt;
    }
    return SimTool{static_cast<std::uint8_t>(*type),
                   static_cast<std::uint16_t>(*serial),
                   static_cast<std::uint8_t>(*length),
                   static_cast<std::uint8_t>(*sampleSize),
                   *calDate,
                   *firmwareDate};
}

std::optional<std::array<std::uint8_t, kChipSlots>> parseChips(
    const std::vector<std::string>& words) {
    if (words.size() < 2 || words.size() > kChipSlots + 1) return std::nullopt;
    std::array<std::uint8_t, kChipSlots> sizes{};
    for (std::size_t i = 1; i < words.size(); ++i) {
        const auto size = parseInt(words[i]);
        if (!size || *size < 0 || *size > 255) return std::nullopt;
        sizes[i - 1] = static_cast<std::uint8_t>(*size);
    }
    return sizes;
}

std::vector<std::string> wordsOf(std::string_view line) {
    std::istringstream stream{std::string(line.substr(0, line.find('#')))};
    std::vector<std::string> words;
    for (std::string word; stream >> word;) words.push_back(word);
    return words;
}

}  // namespace

rvx::Result<Scenario> parseScenario(std::string_view text) {
    Scenario scenario;
    int lineNumber = 0;
    for (const std::string_view line : rvx::splitLines(text)) {
        ++lineNumber;
        const std::vector<std::string> words = wordsOf(line);
        if (words.empty()) continue;
        const std::string where = "scenario line " + std::to_string(lineNumber);
        if (words[0] == "tool") {
            const auto tool = parseTool(words);
            if (!tool) {
                return rvx::fail(where +
                                 ": expected tool TYPE SERIAL LENGTH SAMPLE_SIZE CAL_DATE FW_DATE");
            }
            scenario.tools.push_back(*tool);
        } else if (words[0] == "chips") {
            const auto sizes = parseChips(words);
            if (!sizes) return rvx::fail(where + ": expected chips SIZE0 [SIZE1 ...]");
            scenario.chipSizes = *sizes;
        } else {
            return rvx::fail(where + ": unknown statement " + words[0]);
        }
    }
    if (scenario.tools.empty()) return rvx::fail("scenario lists no tools");
    return scenario;
}

rvx::Result<Scenario> loadScenario(const std::filesystem::path& path) {
    const auto text = rvx::readTextFile(path);
    if (!text) return text.error();
    return parseScenario(*text);
}

Scenario demoScenario() {
    return *parseScenario(
        "tool 3 1021 30 0 2024/01/15 2024/03/01\n"
        "tool 6 201 36 9 2025/06/10 2024/02/01\n"
        "tool 4 77 24 4 2025/05/20 2023/11/12\n"
        "tool 2 310 20 4 2020/01/01 2023/08/30\n");
}

rvx::Result<Scenario> scenarioNamed(std::string_view nameOrPath) {
    if (nameOrPath == "demo") return demoScenario();
    return loadScenario(std::filesystem::path(nameOrPath));
}

}  // namespace rvxmod::sim
