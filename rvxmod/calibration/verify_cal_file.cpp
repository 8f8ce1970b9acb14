#include "rvxmod/calibration/verify_cal_file.h"

#include "common/fixed_text.h"
#include "common/text_catalogue.h"
#include "rvxmod/calibration/temp_cal.h"
#include "rvxmod/calibration/wave_cal.h"

namespace rvxmod {

bool VerifyCalFile(const std::string& path, rvx::UserPort& port) {
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos) return false;
    const std::string_view extension = std::string_view(path).substr(dot + 1);
    rvx::Status loaded = rvx::ok();
    if (rvx::equalsIgnoringCase(extension, "dat")) {
        const rvx::Result<TWaveCal> cal = TWaveCal::load(path);
        if (!cal) loaded = cal.error();
    } else if (rvx::equalsIgnoringCase(extension, "tdat")) {
        loaded = TTempCal().setDatFileName(path);
    } else {
        return false;
    }
    if (!loaded) {
        port.showError(rvx::trText("rvxmod::CalLoading", "Invalid dat file! ") + path);
        return false;
    }
    return true;
}

}  // namespace rvxmod
