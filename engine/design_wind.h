#pragma once
// Design wind on a column or header: the effective wind area kept within the
// table's 10 to 100 sq ft, its size class, the exposure letter that applies
// at a wind speed, and the pressure from the wind table.
#include <QString>
#include <cstdint>

namespace dv {

// Below 10 becomes 10, 100 or more becomes 100.
double ClampWindArea(double area);
// "Small" up to 50 sq ft, "Large" above.
QString WindSizeClass(double clampedArea);
// The last letter of the wall's exposure text ("EXPOSURE B" gives "B"),
// replaced by "C" at wind speeds of 110 and 120 mph.
QString DesignExposureLetter(const QString& wallExposure, std::int32_t windSpeed);
// Pressure (psf) for an unclamped area: clamps, classes and looks it up.
double DesignWindPressure(double area, std::int32_t windSpeed, const QString& exposureLetter);

}  // namespace dv
