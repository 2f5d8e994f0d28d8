#include "core/comparison.h"

namespace dv {

// Not built yet.
void BuildComparisonGrid(const QString&) {}

}  // namespace dv
