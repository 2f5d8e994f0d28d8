#pragma once
// Reading the numbers the project tables keep in text: the member number at
// the end of "Column 3" or "Rough Opening 12", and the sums of material
// rows (the walks over the wall grid come with it).
#include "core/wall_grid.h"
#include "platform/money.h"

#include <QString>
#include <cstdint>
#include <functional>

namespace dv {

// The whole number in the text after its first `prefixLength` characters;
// a clear error when there is none.
std::int16_t MemberNumberOf(const QString& id, int prefixLength);


// Sum of the TotalPrice of the wall's material rows of one member type and
// width; no value when there is no such row.
bool SumMaterialRows(const QString& memberType, int wallWidth, std::int16_t wallID, Money* sum);

}  // namespace dv
