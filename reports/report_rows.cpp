#include "reports/report_rows.h"

#include "platform/app_error.h"
#include "platform/numbers.h"

#include <cmath>

namespace dv {

std::int16_t ReportWallID(const QString& cell)
{
    double id = 0;
    if (!parseStrictNumber(cell, &id) || id != std::floor(id))
        throw AppError(err::TypeMismatch, QStringLiteral("Type mismatch: the wall ID \"%1\" is not a whole number.")
                                              .arg(cell));
    return toInt16(id);
}

QString DollarText(Money amount) { return QStringLiteral("$") + formatAmount(roundCentsHalfEven(amount)); }

}  // namespace dv
