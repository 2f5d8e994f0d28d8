#pragma once
// Header sizing: candidates for every header of every opening and wall
// width, and the choice of the cheapest one with its material rows.
// CalculateHeaders itself is declared with the other steps.
#include "platform/money.h"

#include <QString>
#include <cstdint>

namespace dv {

// The values of one Temp_Header_Table candidate, in the table's order.
struct TempHeaderRow {
    std::int16_t headerID = 0;
    std::int16_t headerNumber = 0;
    QString headerLoc;
    std::int16_t wallID = 0;
    std::int16_t wallThickness = 0;
    std::int32_t productID = 0;
    double roWidth = 0;             // the header piece length, whole feet
    double verticalPLF = 0;
    std::int16_t numberTrimmersLeft = 0;
    QString columnIDLeft;
    std::int16_t numberTrimmersRight = 0;
    QString columnIDRight;
    QString platesRequired;         // "Yes" or "No"
    std::int32_t plateProductID = 0;
    QString productOrientation;
    Money plateLFPrice;             // both plates per foot of header
    Money plateTotalPrice;
    Money headerLFPrice;
    Money headerTotalPrice;
    Money totalPrice;
    QString exposure;
    std::int32_t lateralDeflection = 0;
    double lateralPLF = 0;
};

void InsertTempHeaderRow(const TempHeaderRow& row);

// Trimmer studs at each end of a header: a top header carries its end
// reaction on Round(R / (width x 435) / 1.5 + 0.5) studs, raised to a whole
// number; a bottom header needs one.
std::int16_t TrimmersPerEnd(bool top, double openingWidth, double verticalPLF, double productWidth);

// Writes the 'Header' row (and its 'Plate' row when plates are needed) of
// the cheapest candidate of that wall, width, opening and header; nothing
// when there is no candidate.
void SelectHeaderForOpening(std::int16_t WallThickness, std::int16_t WallID, std::int16_t HeaderID,
                            std::int16_t HeaderNumber);

}  // namespace dv
