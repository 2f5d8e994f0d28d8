#include "engine/calculate.h"

namespace dv {

// Not built yet: the step does nothing.
void CalculateTopPlates() {}
void CalculateBottomPlates() {}
void TotalPlates() {}

}  // namespace dv
