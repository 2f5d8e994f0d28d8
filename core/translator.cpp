#include "core/translator.h"

// Placeholder bodies until the translator lands.
namespace dv {
double gLastDisplayValue = 0;
QString gLastDisplayText;
double ConvertInputToInches(const QString& text, int) { return text.trimmed().toDouble() * 12.0; }
QString FormatInchesForDisplay(double inches)
{
    gLastDisplayValue = inches;
    gLastDisplayText = QString::number(inches / 12.0) + QLatin1Char('\'');
    return gLastDisplayText;
}
bool IsWithinTolerance(double a, double b, float tol) { return a - tol < b && b < a + tol; }
QString FixTrailingDecimal(const QString& text, int) { return text; }
}  // namespace dv
