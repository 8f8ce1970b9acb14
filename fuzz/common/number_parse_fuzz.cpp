// Any text either fails to parse or gives a finite number whose general form parses back to it
// within the fifteen digits that form keeps.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "common/number_format.h"
#include "common/number_parse.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const char separator = data[0] & 1 ? ',' : '.';
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::optional<double> parsed = rvx::parseDouble(text, separator);
    if (!parsed) return 0;
    if (!std::isfinite(*parsed)) std::abort();
    const std::optional<double> reparsed =
        rvx::parseDouble(rvx::formatGeneral(*parsed, separator), separator);
    // Subnormals keep fewer significant bits than fifteen digits need; allow their spacing.
    const double tolerance = std::fabs(*parsed) * 5e-15 + 1e-300;
    if (!reparsed || std::fabs(*reparsed - *parsed) > tolerance) std::abort();
    (void)rvx::formatFixed(*parsed, data[0] % 8, separator, ',');
    return 0;
}
