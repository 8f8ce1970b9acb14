#pragma once

#include <string>

namespace rvx {

// Fixed notation with the given number of decimals, rounding half away from zero on the value's
// 18 significant decimal digits (so 0.125 gives "0.13" while 2.675, stored just below, gives
// "2.67"). With a thousands separator ('\0' for none) the whole part is grouped by three. A value
// that rounds to zero has no minus sign.
std::string formatFixed(double value, int decimals, char decimalSeparator = '.',
                        char thousandSeparator = '\0');

// The shortest general form with at most 15 significant digits: plain notation from 0.0001 up to
// 15 digits before the decimal separator, otherwise a mantissa and "E" exponent ("1E20", "1E-5").
// Not-a-number and infinities are "NAN", "INF" and "-INF".
std::string formatGeneral(double value, char decimalSeparator = '.');

}  // namespace rvx
