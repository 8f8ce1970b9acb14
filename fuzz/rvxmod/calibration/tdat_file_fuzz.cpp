// Any bytes as a .tdat file: the reader and every precision mode must never crash.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "rvxmod/calibration/cal_file.h"
#include "rvxmod/calibration/temp_cal.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace rvxmod;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto file = parseTdatText(text, "fuzz.tdat");
    if (!file) return 0;
    TTempCal cal;
    cal.setTable(*file);
    for (const TPrec mode : {TPrec::None, TPrec::PrecisionOn, TPrec::PrecisionOnAdv}) {
        cal.setPrecision(mode);
        for (const TdatPoint& point : file->points) {
            static_cast<void>(cal.Convert(point.count));
            static_cast<void>(cal.Convert(point.count + 0.5));
        }
        static_cast<void>(cal.Convert(-1.0e9));
    }
    return 0;
}
