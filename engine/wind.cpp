#include "engine/wind.h"
#include "platform/app_error.h"

namespace dv {

// Not built yet.
double GetWindTableValue(double, const QString&, std::int32_t, const QString&)
{
    throw AppError(err::BadValue, QStringLiteral("The wind pressure lookup is not available yet."));
}

double CalculateRakeLength(double, std::int16_t, std::int16_t, double)
{
    throw AppError(err::BadValue, QStringLiteral("The rake length is not available yet."));
}

}  // namespace dv
