#include "rvxmod/memory/cal_file_identity.h"

#include <algorithm>

#include "common/date_parse.h"

namespace rvxmod::memory {

CalFileIdentity ExtractCalDateAndSerial(std::string_view fileText) {
    const std::string_view line = fileText.substr(0, fileText.find_first_of("\r\n"));
    const std::size_t comma = line.find(',');
    if (comma == std::string_view::npos) return {std::string(line), {}};
    return {std::string(line.substr(0, comma)), std::string(line.substr(comma + 1))};
}

std::optional<std::int32_t> calDateOf(const CalFileIdentity& identity) {
    rvx::FormatSettings settings;
    settings.dateSeparator = '/';
    settings.shortDateFormat = "yyyy/mm/dd";
    std::string date = identity.date;
    std::replace_if(
        date.begin(), date.end(), [](char c) { return c == '-' || c == '\\'; }, '/');
    const auto parsed = rvx::parseDate(date, settings);
    if (!parsed) return std::nullopt;
    const auto day = rvx::dayNumberFromDateTime(*parsed);
    if (!day) return std::nullopt;
    return *day;
}

}  // namespace rvxmod::memory
