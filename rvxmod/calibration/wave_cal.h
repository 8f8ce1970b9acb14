#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "common/result.h"
#include "rvxmod/calibration/akima_locator.h"
#include "rvxmod/calibration/akima_patches.h"
#include "rvxmod/calibration/cal_file.h"

namespace rvxmod {

struct PressureTemperature {
    double P = 0.0;  // psi absolute
    double T = 0.0;  // degrees C
};

// Raw pressure and temperature counts to pressure and temperature by Akima's bivariate
// interpolation of scattered data over the calibration points: both surfaces share one
// triangulation; all patch polynomials and the location grid are built once at load.
class TWaveCal {
public:
    // Refuses unreadable files, fewer than 9 points, coincident or collinear points.
    static rvx::Result<TWaveCal> load(const std::filesystem::path& path);
    static rvx::Result<TWaveCal> fromPoints(std::span<const CalPoint> points, std::string fileName);

    const std::string& DatFileName() const { return datFileName_; }

    // Any (X, Y) converts; beyond the calibrated area the surfaces are extrapolated.
    PressureTemperature Convert(double X, double Y) const;

private:
    struct Patch {
        akima::LocalFrame frame;
        akima::LocalPolynomial pressure;
        akima::LocalPolynomial temperature;

        PressureTemperature evaluate(akima::Point2 uv) const {
            return {pressure.evaluate(uv), temperature.evaluate(uv)};
        }
    };

    TWaveCal() = default;

    std::string datFileName_;
    std::vector<akima::Point2> points_;
    std::vector<akima::BorderLine> border_;
    std::vector<Patch> trianglePatches_;
    std::vector<Patch> stripPatches_;   // one per border line
    std::vector<Patch> vertexPatches_;  // one per border line, at its starting vertex
    akima::TriangleGrid grid_;
};

}  // namespace rvxmod
