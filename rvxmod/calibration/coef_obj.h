#pragma once

#include <array>
#include <cstdint>

namespace rvxmod {

// A polynomial in the scaled counts u = (X - xOffset) * xScale and v = (Y - yOffset) * yScale,
// fitted to the calibration points: coefficient i * (orderY + 1) + j multiplies u^i * v^j.
struct CoefObj {
    static constexpr int kMaxTerms = 441;

    std::int32_t orderY = 0;
    std::int32_t orderX = 0;
    double outputScale = 1.0;
    double outputOffset = 0.0;
    double yScale = 0.01;
    double xScale = 0.01;
    std::int32_t yOffset = 0;
    std::int32_t xOffset = 0;
    std::array<double, kMaxTerms> coefficients{};
};

}  // namespace rvxmod
