#pragma once
// Small pieces the take-off steps (trimmers, cripples, plates, blocking,
// sheathing, connectors, jamb extensions) share.
#include "engine/engine_common.h"
#include "platform/db.h"
#include "platform/money.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace dv {

// A price times a quantity, as money. Whole quantities multiply exactly;
// others go through a double and round half-even at the fourth decimal.
Money moneyTimes(Money price, double quantity);

// A number held in a field, text or not, with a clear error naming what it
// is when the text is not a number. A Null is an error as well.
double numberField(const Recordset& rs, const QString& field, const QString& what);

// A field of the selected profile's Customer_Profiles row ("TrimmerProductID",
// ...); no value when the profile has no row.
std::optional<Value> SelectedProfileField(const QString& field);

// The IsSoftwood flag of a product; no value when the product has no row.
std::optional<bool> ProductIsSoftwood(int productID);

// The list mode for a member whose product the profile names in
// profileField: 1 (sawn) when that product is softwood, else 0. When the
// profile or the product is not found, the mode stays as it was.
void ProfileProductMode(const QString& profileField, int& mode);

// The wall's name and the General_Information values the steps read. A
// lookup that finds no row leaves the values as they were.
struct WallGeometry {
    QString wallName;
    QString wallType;
    double eaveHeight = 0;
    double ridgeHeight = 0;
    double wallLength = 0;
    double roofSlope = 0;  // rise per 12 of run, fractions included
    std::int16_t monoSlope = 0;
};
void ReadWallName(std::int16_t wallID, WallGeometry& g);
void ReadWallGeometry(std::int16_t wallID, WallGeometry& g);

// Sums TotalPrice over the material rows of one wall and width whose
// MemberType is memberType (without case); extraCondition (a fixed text)
// narrows them. No value when no row matches; a row without a price adds
// nothing.
std::optional<Money> SumMaterialPrice(std::int16_t wallID, int wallWidth, const QString& memberType,
                                      const QString& extraCondition = QString());

// The one product of a member's list for a width. Its price per lineal
// foot replaces lfPrice when it has one; a product without a price keeps
// the price found before.
int ListedProductPrice(int wallWidth, const QString& member, int mode, const QString& memberDescription,
                       Money& lfPrice);

// A material row of one wall and width for a member and its product; the
// quantities, prices and member name are the caller's.
MaterialRow WallMaterialRow(std::int16_t wallID, const QString& wallName, int wallWidth, const QString& memberType,
                            int productID, const QString& productName);

}  // namespace dv
