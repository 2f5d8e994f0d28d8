#include "core/app_state.h"
#include "engine/calculate.h"
#include "engine/engine_common.h"
#include "engine/member_numbers.h"
#include "engine/takeoff_common.h"
#include "engine/wind.h"
#include "platform/numbers.h"

namespace dv {

namespace {

// One plate row per width for a wall: the plate product of that width,
// priced per lineal foot. A width whose product has no price keeps the
// price found before in the same step (0 at its start).
void insertPlateRows(std::int16_t wallID, const QString& wallName, double pieces, double pieceLength,
                     const QString& memberName, Money& lfPrice)
{
    for (int w : kWallWidths) {
        const int productID = ListedProductPrice(w, QStringLiteral("Plates"), 0, QStringLiteral("plate"), lfPrice);
        MaterialRow r = WallMaterialRow(wallID, wallName, w, QStringLiteral("Plate"), productID,
                                        ProductDescription(productID, true));
        r.qtyPieces = pieces;
        r.pieceLength = pieceLength;
        r.linealFeet = pieces * pieceLength;
        r.lfPrice = lfPrice;
        r.totalPrice = moneyTimes(lfPrice, r.linealFeet);
        r.memberName = memberName;
        InsertMaterialRow(MaterialShape::Named, r);
    }
}

}  // namespace

void CalculateTopPlates()
{
    WallGeometry g;
    Money lfPrice;
    ForEachCheckedWall([&](std::int16_t wallID) {
        CurrentWallID = wallID;
        ReadWallName(wallID, g);
        ReadWallGeometry(wallID, g);
        double pieces = 2;
        double pieceLength = 0;
        if (g.wallType == QLatin1String("EAVE")) {
            pieceLength = raiseToWhole(g.wallLength);
        } else if (g.monoSlope == 0) {
            // Both halves of the gable follow the slope up to the ridge.
            pieces = 4;
            pieceLength = raiseToWhole(CalculateRakeLength(g.wallLength / 2, g.roofSlope, 1, 1.75));
        } else {
            pieceLength = raiseToWhole(CalculateRakeLength(g.wallLength, g.roofSlope, 1, 1.75));
        }
        insertPlateRows(wallID, g.wallName, pieces, pieceLength, QStringLiteral("Wall Top Plates"), lfPrice);
    });
}

void CalculateBottomPlates()
{
    WallGeometry g;
    Money lfPrice;
    ForEachCheckedWall([&](std::int16_t wallID) {
        CurrentWallID = wallID;
        ReadWallName(wallID, g);
        ReadWallGeometry(wallID, g);
        insertPlateRows(wallID, g.wallName, 1, raiseToWhole(g.wallLength), QStringLiteral("Wall Bottom Plate"), lfPrice);
    });
}

void TotalPlates()
{
    // Header plates are told apart by StudSpacing, the wall plates by name.
    struct Kind { const char* word; const char* condition; };
    static const Kind kKinds[] = {
        {"HeaderPlates", " AND StudSpacing = 'Header Plates' COLLATE NOCASE"},
        {"TopPlates", " AND MemberName = 'Wall Top Plates' COLLATE NOCASE"},
        {"BottomPlates", " AND MemberName = 'Wall Bottom Plate' COLLATE NOCASE"},
    };
    ForEachWallInGrid([&](std::int16_t wallID) {
        CurrentWallID = wallID;
        for (const Kind& k : kKinds)
            for (int w : kWallWidths)
                UpdateMemberTotal(w, QLatin1String(k.word),
                                  SumMaterialPrice(wallID, w, QStringLiteral("Plate"), QLatin1String(k.condition))
                                      .value_or(Money()),
                                  wallID);
    });
}

}  // namespace dv
