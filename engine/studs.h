#pragma once
// Studs: the priced candidates of every complete wall (CalculateStudSolutions
// in calculate.h) and the choice among them, with the corner studs.
#include "platform/money.h"

#include <QString>
#include <cstdint>
#include <map>
#include <optional>
#include <utility>

namespace dv {

// What a wall's geometry gives its studs.
struct StudGeometry {
    std::int16_t interpValue = 1;  // gable height locations, at least 1
    double netWallLength = 0;      // wall length less columns (1 ft each) and openings
    double centerStretch = 0;      // full-height stretch between the raking parts
    bool hasCenterStuds = false;   // centerStretch > 0
};
StudGeometry ComputeStudGeometry(double roofSlope, double dtfh, double wallLength, int columnCount,
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

// A priced stud candidate: a product at one spacing, for the eave (height
// location 0), one gable height location (1 and up) or the centre stretch
// (100).
struct StudCandidate {
    std::int16_t productID = 0;
    double spacing = 0;      // feet: 1, 1.3334 or 2
    double numberStuds = 0;  // pieces
    double studHeight = 0;   // piece length, whole feet
    std::int16_t heightLoc = 0;
    Money lfPrice;
    Money totalPrice;        // numberStuds x studHeight x lfPrice
};

// The stud candidates of a calculation, offered in the order they are worked
// out (wall, width, product, then location, spacing and capacity row). Of
// each wall and width it keeps the cheapest candidate, and of each product
// and height location the cheapest; among equal totals the one offered first.
class StudChoices {
public:
    struct Choice {
        std::optional<StudCandidate> cheapest;
        // By product (ascending), then by height location.
        std::map<std::int16_t, std::map<std::int16_t, StudCandidate>> byProduct;
    };
    // A candidate without a whole piece or a piece of some length is no
    // stud: it would only bring a zero or negative count or price into the
    // choice, and is not kept.
    void offer(std::int16_t wallID, int wallThickness, const StudCandidate& c);
    // Nothing when the wall and width had no candidate.
    const Choice* find(std::int16_t wallID, int wallThickness) const;

private:
    std::map<std::pair<std::int16_t, int>, Choice> choices_;
};

// Chooses the studs of one wall and width from its candidates, writes their
// material rows and the width's stud total, and adds the corner studs.
void SelectStudsForWall(const StudChoices& choices, std::int16_t wallThickness, std::int16_t wallID);

}  // namespace dv
