#include "engine/design_wind.h"
#include "engine/wind.h"
#include "platform/numbers.h"

namespace dv {

double ClampWindArea(double area)
{
    checkedFinite(area, "the effective wind area");
    if (area < 10.0)
        return 10.0;
    if (area >= 100.0)
        return 100.0;
    return area;
}

QString WindSizeClass(double clampedArea)
{
    return clampedArea <= 50.0 ? QStringLiteral("Small") : QStringLiteral("Large");
}

QString DesignExposureLetter(const QString& wallExposure, std::int32_t windSpeed)
{
    if (windSpeed == 110 || windSpeed == 120)
        return QStringLiteral("C");
    return wallExposure.right(1);
}

double DesignWindPressure(double area, std::int32_t windSpeed, const QString& exposureLetter)
{
    const double a = ClampWindArea(area);
    return GetWindTableValue(a, WindSizeClass(a), windSpeed, exposureLetter);
}

}  // namespace dv
