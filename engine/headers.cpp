#include "engine/calculate.h"

namespace dv {

// Not built yet: the step does nothing.
void CalculateHeaders() {}

}  // namespace dv
