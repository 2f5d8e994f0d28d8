#pragma once
// Studs: the priced candidates of every complete wall (CalculateStudSolutions
// in calculate.h) and the choice among them, with the corner studs.
#include <QString>
#include <cstdint>

namespace dv {

// What a wall's geometry gives its studs.
struct StudGeometry {
    std::int16_t interpValue = 1;  // gable height locations, at least 1
    double netWallLength = 0;      // wall length less columns (1 ft each) and openings
    double centerStretch = 0;      // full-height stretch between the raking parts
    bool hasCenterStuds = false;   // centerStretch > 0
};
StudGeometry ComputeStudGeometry(std::int16_t roofSlope, double dtfh, double wallLength, int columnCount,
                                 double openingWidthTotal, std::int16_t monoSlope);

// The columns and openings of a wall that take up its length.
struct WallCutouts {
    int columnCount = 0;
    double openingWidthTotal = 0;
    int openingCount = 0;
};
WallCutouts ReadWallCutouts(std::int16_t wallID);

// True when the wall's columns and openings leave it a length of 0 or more for
// studs (and its openings are not wider than the wall). A wall without a
// General_Information row has none.
bool WallHasStudLength(std::int16_t wallID);

// The exposure letter the stud capacity rows are read with: the last letter
// of the wall's exposure, "C" whatever it says at 110 and 120 mph.
QString StudExposureLetter(const QString& exposure, std::int32_t windSpeed);

// Piece counts: studs over the net length of an eave wall (one more per
// opening), at one gable height location, and over the centre stretch.
double EaveStudCount(double netWallLength, double spacing, int openingCount);
double LocationStudCount(double dtfh, std::int16_t interpValue, double spacing);
double CenterStudCount(double centerStretch, double spacing);

// Corner studs for a number of corners: 2.5 a corner, raised to a whole number.
int CornerStudCount(int numberCorners);

// Chooses the studs of one wall and width from the candidates, writes their
// material rows and the width's stud total, and adds the corner studs.
void SelectStudsForWall(std::int16_t wallThickness, std::int16_t wallID);

}  // namespace dv
