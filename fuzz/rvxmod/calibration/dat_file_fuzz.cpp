// Any bytes as a .dat file: the reader, both fits and the interpolation must refuse or convert,
// never crash.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "rvxmod/calibration/cal_file.h"
#include "rvxmod/calibration/coef_fit.h"
#include "rvxmod/calibration/wave_cal.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace rvxmod;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto file = parseDatText(text, "fuzz.dat");
    if (!file) return 0;
    for (const bool forTemperature : {false, true}) {
        const auto table = MakeCoefFile(*file, forTemperature);
        if (table) static_cast<void>(CalculateCof(*table, 1.0e6, 5.0e5));
    }
    const auto cal = TWaveCal::fromPoints(file->points, "fuzz.dat");
    if (!cal) return 0;
    for (const CalPoint& point : file->points) {
        static_cast<void>(cal->Convert(point.X, point.Y));
        static_cast<void>(cal->Convert(point.X * 2.0 + 1.0, -point.Y));
    }
    return 0;
}
