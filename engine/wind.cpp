#include "engine/wind.h"
#include "core/app_state.h"
#include "platform/app_error.h"
#include "platform/numbers.h"

#include <cmath>

namespace dv {

double GetWindTableValue(double EffectiveArea, const QString& SizeClass, std::int32_t WindSpeed, const QString& Exposure)
{
    checkedFinite(EffectiveArea, "the effective wind area");
    // Called once per column or header and width: prepared once, values bound.
    PreparedStatement& st = DbConnection.cached(QStringLiteral(
        "SELECT * FROM Wind_Table WHERE WindSpeed = ? AND Exposure = ? COLLATE NOCASE ORDER BY rowid"));
    st.bind(1, static_cast<long long>(WindSpeed)).bind(2, Exposure);
    Recordset rs = DbConnection.query(st);
    if (rs.eof()) {
        // A pressure of 0 would let every lateral check pass unnoticed.
        throw AppError(err::MissingWindRow,
                       QStringLiteral("The wind table lists no pressure for a wind speed of %1 mph and exposure '%2'.")
                           .arg(WindSpeed)
                           .arg(Exposure));
    }
    double result = 0;
    if (SizeClass == QLatin1String("Small")) {
        const double over = EffectiveArea - 10.0;
        result = rs.field(QStringLiteral("SF10")).toDouble() - rs.field(QStringLiteral("Increment10_50")).toDouble() * over;
    } else {
        const double over = EffectiveArea - 50.0;
        result = rs.field(QStringLiteral("SF50")).toDouble() - rs.field(QStringLiteral("Increment50_100")).toDouble() * over;
    }
    rs.close();
    return checkedFinite(result, "the wind pressure");
}

double CalculateRakeLength(double Run, double RoofSlope, std::int16_t AddFlag, double Depth)
{
    const double slope = RoofSlope;
    const double k = std::sqrt(slope * slope + 144.0) / 12.0;
    double result = k * Run;
    if (AddFlag == 1)
        result += slope * Depth / 12.0 / 12.0;
    return checkedFinite(result, "the rake length");
}

}  // namespace dv
