#pragma once
// What every member step of the calculation shares: the walk over the
// walls, the widths, the pricing profile in use, the stock test and the
// price lookup, the candidate product lists, product descriptions, the
// material-list rows and the member totals.
#include "core/profiles.h"
#include "core/wall_grid.h"
#include "platform/db.h"
#include "platform/money.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>

namespace dv {


// Profile selected in the project window (read anew at every use).
int SelectedProfileID();
// 1 when the project window asks for default pricing, else the selected profile.
int PriceProfileID();
// The selected profile's Customer_Profiles row, all fields.
Recordset SelectedProfileRow();

// True when the selected profile stocks the product (its flag is -1).
bool IsProductStocked(int productID);
// The product's price per lineal foot in the pricing profile; no value when
// the profile has no pricing row or the price is missing. A zero price is a
// price.
std::optional<Money> LookupLFPrice(int productID);

// Mode: 1 sawn lumber only, 0 engineered only, 3 all.
QString GetProductIDList(int wallThickness, const QString& member, int mode);
// Takes the next item off a list being walked; false when the list is empty.
bool NextListItem(QString& list, QString& item);
// The product IDs of a list, in order (the walk above, all at once). Items
// that are not whole numbers are refused with a clear error.
QList<int> ProductIDsOf(const QString& list);
// The one product of a list that must hold exactly one; a clear error when
// it holds none or several.
int SingleProductID(const QString& list, const QString& memberDescription, int wallThickness);

// "1.5\" x 5.5\" Name" (sawn) or "1.75\" x 9.5\" 2.0E Name" (engineered).
QString ProductDescription(int productID, bool engineered);

// The wall's name as stored in Project_Information.
QString StoredWallName(std::int16_t wallID);

// One material-list row. Which fields are written depends on the shape.
struct MaterialRow {
    std::int16_t wallID = 0;
    QString wallName;
    int wallWidth = 0;
    QString memberType;
    int productID = 0;
    QString productName;
    double qtyPieces = 0;
    double pieceLength = 0;
    double linealFeet = 0;
    Money lfPrice;
    Money totalPrice;
    QString studSpacing;
    QString memberName;
};
enum class MaterialShape {
    Studs,          // ... TotalPrice, StudSpacing
    Named,          // ... TotalPrice, MemberName
    SpacingAndName  // ... TotalPrice, StudSpacing, MemberName
};
void InsertMaterialRow(MaterialShape shape, const MaterialRow& row);

// "UPDATE Project_Information SET <width><word> = <amount> WHERE ID = <wall>".
// The word must be one of the twelve member words.
void UpdateMemberTotal(int wallWidth, const QString& memberWord, Money amount, std::int16_t wallID);
// Checked name of a member-total field ("6Studs"), quoted for SQL.
QString MemberTotalField(int wallWidth, const QString& memberWord);

// The roof live and dead loads of a Roof_Loading row; a missing row leaves
// them as they were.
void ReadRoofLoads(std::int16_t roofLoadingID, double& roofLL, double& roofDL);
// A deflection limit (limitField, e.g. "ColumnDeflectionLimit") of an
// exterior finish; a missing finish leaves it as it was.
void ReadDeflectionLimit(const QString& finishName, const char* limitField, std::int32_t& limit);

}  // namespace dv
