#include "veltrix/readers/date_text.h"

#include <algorithm>

#include "common/date_parse.h"
#include "common/fixed_text.h"

namespace veltrix {

std::string normaliseDateText(std::string_view text, char dateSeparator) {
    std::string normal(rvx::trim(text));
    std::ranges::replace_if(
        normal, [](char c) { return c == '-' || c == '/' || c == '.'; }, dateSeparator);
    return std::string(rvx::trim(normal));
}

rvx::Result<rvx::DateTime> parseDateTimeText(std::string_view text, DateOrder order,
                                             char dateSeparator) {
    rvx::FormatSettings settings;
    settings.dateSeparator = dateSeparator;
    settings.shortDateFormat = datePattern(order, dateSeparator);
    return rvx::parseDateTime(text, settings);
}

}  // namespace veltrix
