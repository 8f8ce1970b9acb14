// Any pattern and short date format (they may come from files) format without fault.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "common/date_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(double)) return 0;
    double value = 0;
    std::memcpy(&value, data, sizeof value);
    const std::string_view rest(reinterpret_cast<const char*>(data + sizeof value),
                                size - sizeof value);
    const std::size_t split = rest.find('\0');
    rvx::FormatSettings settings;
    settings.shortDateFormat = rest.substr(0, split);
    settings.longTimeFormat = settings.shortDateFormat;
    const std::string_view pattern =
        split == std::string_view::npos ? std::string_view{} : rest.substr(split + 1);
    (void)rvx::formatDateTime(pattern, value, settings);
    return 0;
}
