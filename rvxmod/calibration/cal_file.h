#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "common/result.h"

namespace rvxmod {

// One line of a .dat file: reference pressure (psi absolute) and temperature (degrees C) with the
// raw pressure and temperature counts the tool recorded there.
struct CalPoint {
    double P = 0.0;
    double T = 0.0;
    double X = 0.0;
    double Y = 0.0;
};

// Polynomial orders of the coefficient method; 4 wherever the order line gives none.
struct PolynomialOrders {
    int pressureY = 4;
    int pressureX = 4;
    int temperatureY = 4;
    int temperatureX = 4;
};

struct DatFile {
    std::string identityLine;
    PolynomialOrders orders;
    std::vector<CalPoint> points;
};

// One line of a .tdat file: temperature in degrees C and the raw RTD count.
struct TdatPoint {
    double temperature = 0.0;
    double count = 0.0;
};

struct TdatFile {
    std::string identityLine;
    std::vector<TdatPoint> points;
};

// Calibration files always use "." as decimal separator, whatever the locale. Four header lines
// precede the points; a bad point line is reported with the file name and its line number.
rvx::Result<DatFile> parseDatText(std::string_view text, std::string_view fileName);
rvx::Result<TdatFile> parseTdatText(std::string_view text, std::string_view fileName);
rvx::Result<DatFile> readDatFile(const std::filesystem::path& path);
rvx::Result<TdatFile> readTdatFile(const std::filesystem::path& path);

}  // namespace rvxmod
