// rvxmod-cli convert: raw counts from stdin to engineering values on stdout, through the same
// loading path a download uses.
#include <algorithm>
#include <array>
#include <charconv>
#include <iostream>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "common/fixed_text.h"
#include "common/number_parse.h"
#include "rvxmod/calibration/cal_converter.h"
#include "rvxmod/calibration/coef_fit.h"
#include "rvxmod/calibration/fit_residuals.h"
#include "rvxmod/calibration/temp_cal.h"
#include "rvxmod/calibration/wave_cal.h"
#include "rvxmod/cli/cli_commands.h"
#include "rvxmod/cli/console_user_port.h"
#include "rvxmod/model/tool_types.h"

namespace rvxmod::cli {
namespace {

constexpr double kNoValue = -999.25;

struct ConvertOptions {
    std::string calFile;
    CalculationMethod method = CalculationMethod::Coefficients;
    bool residuals = false;
    TPrec precision = TPrec::PrecisionOn;
    int level = 4;
    int rate = 10;
};

int usage(const std::string& problem) {
    std::cerr << "rvxmod-cli convert: " << problem << "\n"
              << "usage: rvxmod-cli convert --cal FILE [--method coefficients|wavecal] "
                 "[--residuals]\n"
              << "       rvxmod-cli convert --cal FILE.tdat [--precision none|on|adv] "
                 "[--level L] [--rate R]\n";
    return kExitUsage;
}

// Returns the options, or the reason they are not usable.
std::variant<ConvertOptions, std::string> parseOptions(std::span<const std::string> args) {
    ConvertOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word == "--residuals") {
            options.residuals = true;
            continue;
        }
        if (i + 1 >= args.size()) return word + " needs a value";
        const std::string& value = args[++i];
        if (word == "--cal") {
            options.calFile = value;
        } else if (word == "--method" && (value == "coefficients" || value == "wavecal")) {
            options.method =
                value == "wavecal" ? CalculationMethod::WaveCal : CalculationMethod::Coefficients;
        } else if (word == "--precision" && (value == "none" || value == "on" || value == "adv")) {
            options.precision = value == "none" ? TPrec::None
                                : value == "on" ? TPrec::PrecisionOn
                                                : TPrec::PrecisionOnAdv;
        } else if ((word == "--level" || word == "--rate") && rvx::parseInteger<int>(value)) {
            (word == "--level" ? options.level : options.rate) = *rvx::parseInteger<int>(value);
        } else {
            return "unknown option or value: " + word + " " + value;
        }
    }
    if (options.calFile.empty()) return std::string("--cal FILE is required");
    return options;
}

std::string number(double value) {
    std::array<char, 40> text{};
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value,
                                      std::chars_format::general, 17);
    return std::string(text.data(), result.ptr);
}

// The numbers of one input line, separated by blanks.
std::optional<std::vector<double>> numbersOf(std::string_view line) {
    std::vector<double> numbers;
    for (line = rvx::trim(line); !line.empty(); line = rvx::trimLeft(line)) {
        const std::size_t end = std::min(line.find(' '), line.find('\t'));
        const std::optional<double> value = rvx::parseDouble(line.substr(0, end));
        if (!value) return std::nullopt;
        numbers.push_back(*value);
        line.remove_prefix(std::min(end, line.size()));
    }
    return numbers;
}

// Feeds every non-empty stdin line of `width` numbers to `convert`; a bad line ends the run.
template <class Convert>
int convertLines(std::size_t width, Convert convert) {
    std::string line;
    for (int lineNumber = 1; std::getline(std::cin, line); ++lineNumber) {
        if (rvx::trim(line).empty()) continue;
        const auto numbers = numbersOf(line);
        if (!numbers || numbers->size() != width) {
            std::cerr << "rvxmod-cli convert: input line " << lineNumber << " needs " << width
                      << (width == 1 ? " number\n" : " numbers\n");
            return kExitFailure;
        }
        std::cout << convert(*numbers) << "\n";
    }
    return kExitOk;
}

int convertTemperatures(const ToolObj& tool, const ConvertOptions& options) {
    TTempCal cal = *tool.TemperatureCal;
    cal.setPrecision(options.precision);
    cal.setPrecisionLevel(options.level);
    cal.setPrecisionRate(options.rate);
    if (cal.pointCount() < 2) {
        std::cerr << "rvxmod-cli convert: " << options.calFile << " holds fewer than two points\n";
        return kExitFailure;
    }
    return convertLines(1, [&](const std::vector<double>& n) {
        return number(cal.Convert(n[0]).value_or(kNoValue));
    });
}

int convertPressures(const ToolObj& tool) {
    return convertLines(2, [&](const std::vector<double>& n) {
        if (tool.PressureCal) {
            const PressureTemperature pt = tool.PressureCal->Convert(n[0], n[1]);
            return number(pt.P) + " " + number(pt.T);
        }
        return number(CalculateCof(*tool.PressureCoef, n[0], n[1])) + " " +
               number(CalculateCof(*tool.TemperatureCoef, n[0], n[1]));
    });
}

// Largest differences of both methods at the file's own calibration points.
int printResiduals(const std::string& calFile) {
    const rvx::Result<DatFile> file = readDatFile(calFile);
    if (!file) {
        std::cerr << "rvxmod-cli convert: " << file.error().message << "\n";
        return kExitFailure;
    }
    int status = kExitOk;
    const auto pressure = MakeCoefFile(*file, false);
    const auto temperature = MakeCoefFile(*file, true);
    if (pressure && temperature) {
        std::cout << "coefficients P " << number(largestResidual(*pressure, *file, false)) << " T "
                  << number(largestResidual(*temperature, *file, true)) << "\n";
    } else {
        std::cerr << "coefficients: " << (pressure ? temperature.error() : pressure.error()).message
                  << "\n";
        status = kExitFailure;
    }
    const auto wave = TWaveCal::fromPoints(file->points, calFile);
    if (wave) {
        const PressureTemperature residuals = largestResiduals(*wave, *file);
        std::cout << "wavecal P " << number(residuals.P) << " T " << number(residuals.T) << "\n";
    } else {
        std::cerr << "wavecal: " << wave.error().message << "\n";
        status = kExitFailure;
    }
    return status;
}

}  // namespace

int runConvertCommand(const GlobalOptions&, std::span<const std::string> args) {
    const auto parsed = parseOptions(args);
    if (const auto* problem = std::get_if<std::string>(&parsed)) return usage(*problem);
    const ConvertOptions& options = std::get<ConvertOptions>(parsed);
    const std::size_t dot = options.calFile.rfind('.');
    const bool rtd =
        dot != std::string::npos &&
        rvx::equalsIgnoringCase(std::string_view(options.calFile).substr(dot + 1), "tdat");
    if (options.residuals) {
        if (rtd) return usage("--residuals applies to .dat files");
        return printResiduals(options.calFile);
    }

    ToolObj tool;
    tool.ToolType = rtd ? kRTD : kPiezo;
    ConsoleUserPort port;
    const rvx::Status loaded = attachConverter(tool, options.calFile, options.method, port);
    if (!loaded) {
        std::cerr << "rvxmod-cli convert: " << loaded.error().message << "\n";
        return kExitFailure;
    }
    return rtd ? convertTemperatures(tool, options) : convertPressures(tool);
}

}  // namespace rvxmod::cli
