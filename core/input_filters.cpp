#include "core/input_filters.h"

// Placeholder bodies until the input filters land.
namespace dv {
QString gSlopeText;
int FilterLengthKey(int keyCode) { return keyCode; }
void FilterNumericKey(int&) {}
QString FilterPastedLengthText(const QString& text) { return text; }
QString FilterPastedNumericText(const QString& text) { return text; }
QString LimitLengthText(const QString& text) { return text; }
void SetRoofSlopeText(const QString& rise) { gSlopeText = rise + QStringLiteral("/12"); }
}  // namespace dv
