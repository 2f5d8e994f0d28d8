#pragma once
// The checks that end every calculation: the studs, columns and headers each
// calculated wall needs, per wall width, against the material list. Every
// member that found no product becomes a Validation_Information row.
#include <cstdint>

namespace dv {

// Each returns 1 when everything it looked at was present, 0 when it wrote
// at least one Validation_Information row.
std::int16_t ValidateStuds();
std::int16_t ValidateColumns();
std::int16_t ValidateHeaders();

}  // namespace dv
