#include "rvxmod/sim/scenario.h"

#include <sstream>
#include <string>

#include "common/date_parse.h"
#include "common/date_time.h"
#include "common/fixed_text.h"
#include "common/number_parse.h"
#include "common/text_file.h"

namespace rvxmod::sim {

namespace {

// "yyyy/mm/dd" as a day number.
std::optional<std::uint16_t> parseDayNumber(std::string_view text) {
    rvx::FormatSettings settings;
    settings.shortDateFormat = "yyyy/mm/dd";
    const auto date = rvx::parseDate(text, settings);
    if (!date) return std::nullopt;
    return rvx::dayNumberFromDateTime(*date);
}

std::optional<SimTool> parseTool(const std::vector<std::string>& words) {
    if (words.size() != 7) return std::nullopt;
    const auto type = rvx::parseInteger<std::uint8_t>(words[1]);
    const auto serial = rvx::parseInteger<std::uint16_t>(words[2]);
    const auto length = rvx::parseInteger<std::uint8_t>(words[3]);
    const auto sampleSize = rvx::parseInteger<std::uint8_t>(words[4]);
    const auto calDate = parseDayNumber(words[5]);
    const auto firmwareDate = parseDayNumber(words[6]);
    if (!type || !serial || !length || !sampleSize || !calDate || !firmwareDate) {
        return std::nullopt;
    }
    return SimTool{*type, *serial, *length, *sampleSize, *calDate, *firmwareDate};
}

std::optional<std::array<std::uint8_t, kChipSlots>> parseChips(
    const std::vector<std::string>& words) {
    if (words.size() < 2 || words.size() > kChipSlots + 1) return std::nullopt;
    std::array<std::uint8_t, kChipSlots> sizes{};
    for (std::size_t i = 1; i < words.size(); ++i) {
        const auto size = rvx::parseInteger<std::uint8_t>(words[i]);
        if (!size) return std::nullopt;
        sizes[i - 1] = *size;
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
