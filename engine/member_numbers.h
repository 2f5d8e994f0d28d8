#pragma once
// Reading the numbers the project tables keep in text: the member number at
// the end of "Column 3" or "Rough Opening 12" (the walks over the wall grid
// come with it).
#include "core/wall_grid.h"
#include "platform/money.h"

#include <QString>
#include <cstdint>
#include <functional>

namespace dv {

// The whole number in the text after its first `prefixLength` characters;
// a clear error when there is none.
std::int16_t MemberNumberOf(const QString& id, int prefixLength);


}  // namespace dv
