#include "rvxmod/calibration/cal_converter.h"

#include <array>
#include <charconv>
#include <memory>

#include "common/text_catalogue.h"
#include "rvxmod/calibration/coef_fit.h"
#include "rvxmod/calibration/fit_residuals.h"
#include "rvxmod/calibration/temp_cal.h"
#include "rvxmod/calibration/wave_cal.h"
#include "rvxmod/model/tool_types.h"

namespace rvxmod {
namespace {

constexpr const char* kContext = "rvxmod::CalLoading";

std::string shortNumber(double value) {
    std::array<char, 32> text{};
    const auto result =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::general, 4);
    return std::string(text.data(), result.ptr);
}

rvx::Status attachCoefficients(ToolObj& tool, const std::filesystem::path& file,
                               rvx::UserPort& port) {
    const rvx::Result<DatFile> dat = readDatFile(file);
    if (!dat) return dat.error();
    const auto refused = [&](const rvx::Error& error) {
        return rvx::fail(file.string() + ": " + error.message);
    };
    rvx::Result<CoefObj> pressure = MakeCoefFile(*dat, false);
    if (!pressure) return refused(pressure.error());
    rvx::Result<CoefObj> temperature = MakeCoefFile(*dat, true);
    if (!temperature) return refused(temperature.error());
    if (pressureFitIsPoor(*pressure, *dat))
        port.showWarning(rvx::trText(kContext, "The coefficient fit of ") + file.string() +
                         rvx::trText(kContext, " misses a calibration point by ") +
                         shortNumber(largestResidual(*pressure, *dat, false)) +
                         rvx::trText(kContext,
                                     " psi, more than 0.05 % of its pressure span. The WaveCal "
                                     "method may suit this calibration better."));
    tool.PressureCoef = std::make_shared<const CoefObj>(std::move(pressure).value());
    tool.TemperatureCoef = std::make_shared<const CoefObj>(std::move(temperature).value());
    return rvx::ok();
}

}  // namespace

rvx::Status attachConverter(ToolObj& tool, const std::filesystem::path& file,
                            CalculationMethod method, rvx::UserPort& port) {
    switch (tool.ToolType) {
        case kRTD: {
            auto cal = std::make_shared<TTempCal>();
            const rvx::Status loaded = cal->setDatFileName(file);
            if (!loaded) return loaded;
            tool.TemperatureCal = std::move(cal);
            return rvx::ok();
        }
        case kZizorIrediz:
        case kPiezo:
        case kRarodIdirura: {
            if (method == CalculationMethod::Coefficients)
                return attachCoefficients(tool, file, port);
            rvx::Result<TWaveCal> cal = TWaveCal::load(file);
            if (!cal) return cal.error();
            tool.PressureCal = std::make_shared<const TWaveCal>(std::move(cal).value());
            return rvx::ok();
        }
        default:
            return rvx::ok();
    }
}

}  // namespace rvxmod
