#pragma once
// Column sizing: candidates per column and wall width, and the choice of the
// cheapest one. CalculateColumns itself is declared with the other steps.
#include "platform/money.h"

#include <QString>
#include <cstdint>

namespace dv {

// Bearing members (1.5 in trimmer studs) that carry a header end with the
// given load (lb): 1 up to 2283, 2 up to 4567, 3 up to 6851; 0 above that,
// where no count of members carries the load.
int BearingMembersFor(double sideLoad);

// One candidate row of Temp_Column_Table.
void InsertTempColumnRow(std::int16_t ColumnID, std::int16_t WallID, std::int16_t WallThickness, std::int32_t ProductID,
                         double TribWidth, double PLF, double PSF, std::int32_t WindSpeed, std::int32_t Deflection,
                         const QString& Exposure, double ControlMaxHeight, double ControlAxialLoad, std::int16_t Plies,
                         double ColumnHeight, Money LFPrice, Money TotalPrice);

// Writes the 'Column' row of the cheapest candidate of the column and width;
// nothing when the column has no candidate.
void SelectColumnForWall(std::int16_t WallThickness, std::int16_t WallID, std::int16_t ColumnNumber);

}  // namespace dv
