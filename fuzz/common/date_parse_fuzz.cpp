// Any text either fails to parse or gives a date-time that formats and parses back unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "common/date_format.h"
#include "common/date_parse.h"

namespace {

rvx::FormatSettings settingsFor(std::uint8_t selector) {
    constexpr const char* kOrders[] = {"yyyy/mm/dd", "mm/dd/yyyy", "dd/mm/yyyy"};
    rvx::FormatSettings settings;
    settings.shortDateFormat = kOrders[selector % 3];
    settings.dateSeparator = selector & 4 ? '-' : '/';
    settings.decimalSeparator = selector & 8 ? ',' : '.';
    return settings;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const rvx::FormatSettings settings = settingsFor(data[0]);
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const rvx::Result<rvx::DateTime> parsed = rvx::parseDateTime(text, settings);
    if (!parsed) return 0;
    const std::string written =
        rvx::formatDateTime(settings.shortDateFormat + " hh:nn:ss:zzz", *parsed, settings);
    const rvx::Result<rvx::DateTime> reparsed = rvx::parseDateTime(written, settings);
    if (!reparsed || *reparsed != *parsed) std::abort();
    return 0;
}
