#pragma once
#include <QString>

namespace dv {

// Prices every complete wall into the comparison grid and writes its totals
// and completeness marks back. A non-empty factor text replaces the markup.
void BuildComparisonGrid(const QString& markupFactorText);

}  // namespace dv
