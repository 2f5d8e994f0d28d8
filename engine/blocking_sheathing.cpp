#include "core/app_state.h"
#include "engine/calculate.h"
#include "engine/engine_common.h"
#include "engine/takeoff_common.h"
#include "platform/numbers.h"

namespace dv {

namespace {

// Rows of blocking up the wall: one per 8 ft of an eave wall's height; on a
// gable wall by bands of eave and ridge height (a height on a band's edge
// falls in the lower band).
double blockingRows(const WallGeometry& g)
{
    if (g.wallType == QLatin1String("EAVE"))
        return roundHalfEven(g.eaveHeight / 8 - 0.5);
    const double e = g.eaveHeight, r = g.ridgeHeight;
    if (e > 24) return 3.0;
    if (e > 16 && r > 24) return 2.5;
    if (e > 16 && r > 16) return 2.0;
    if (e > 8 && r > 16) return 1.5;
    if (e > 8 && r > 8) return 1.0;
    return 0;
}

}  // namespace

void CalculateBlocking()
{
    WallGeometry g;
    Money lfPrice;
    int mode = 0;
    ForEachCheckedWall([&](std::int16_t wallID) {
        ReadWallName(wallID, g);
        ReadWallGeometry(wallID, g);
        // The profile's product only picks sawn or engineered blocking.
        ProfileProductMode(QStringLiteral("BlockingProductID"), mode);
        const double linealFeet = roundHalfEven(checkedFinite(blockingRows(g) * g.wallLength, "blocking footage"));
        for (int w : kWallWidths) {
            const int productID =
                ListedProductPrice(w, QStringLiteral("Blocking"), mode, QStringLiteral("blocking"), lfPrice);
            MaterialRow r = WallMaterialRow(wallID, g.wallName, w, QStringLiteral("Blocking"), productID,
                                            ProductDescription(productID, mode != 1));
            r.qtyPieces = 1;
            r.pieceLength = linealFeet;
            r.linealFeet = linealFeet;
            r.lfPrice = lfPrice;
            r.totalPrice = moneyTimes(lfPrice, linealFeet);
            r.memberName = QStringLiteral("Wall Blocking");
            InsertMaterialRow(MaterialShape::Named, r);
            UpdateMemberTotal(w, QStringLiteral("Blocking"), r.totalPrice, wallID);
        }
    });
}

void CalculateSheathing()
{
    WallGeometry g;
    Money sqftPrice;
    int productID = 0;
    QString description;
    double panelWidth = 0, panelLength = 0;
    ForEachCheckedWall([&](std::int16_t wallID) {
        ReadWallName(wallID, g);
        ReadWallGeometry(wallID, g);
        if (const std::optional<Value> id = SelectedProfileField(QStringLiteral("SheathingProductID")); id && !id->isNull())
            productID = id->toInt32();
        {
            PreparedStatement& st = DbConnection.cached(QStringLiteral("SELECT * FROM Products WHERE ProductID = ?"));
            st.bind(1, productID);
            Recordset rs = DbConnection.query(st);
            if (!rs.eof()) {
                const QString width = rs.field(QStringLiteral("ProductWidth")).toText();
                const QString depth = rs.field(QStringLiteral("ProductDepth")).toText();
                description = rs.field(QStringLiteral("ProductName")).toText() + QStringLiteral(" Panel (") + width
                              + QStringLiteral(" x ") + depth + QLatin1Char(')');
                panelWidth = rs.field(QStringLiteral("ProductWidth")).toDouble();
                panelLength = rs.field(QStringLiteral("ProductDepth")).toDouble();
            }
        }
        const double panelArea = panelWidth * panelLength;
        if (!(panelArea > 0))
            throw AppError(err::BadValue,
                           QStringLiteral("The sheathing product %1 of the pricing profile has no panel size, so the "
                                          "panels of wall '%2' cannot be counted.")
                               .arg(productID).arg(g.wallName));
        if (const std::optional<Money> p = LookupLFPrice(productID))
            sqftPrice = *p;
        // Gable walls: the average height, and a tenth more for the cuts.
        const double area = g.wallType == QLatin1String("EAVE")
                                ? g.eaveHeight * g.wallLength
                                : (g.eaveHeight + g.ridgeHeight) / 2 * g.wallLength * 1.1;
        const double panels = raiseToWhole(checkedFinite(area / panelArea, "sheathing panels"));
        const Money panelPrice = Money::fromDouble(sqftPrice.toDouble() * panelArea);
        const Money price = moneyTimes(panelPrice, panels);
        for (int w : kWallWidths) {
            MaterialRow r = WallMaterialRow(wallID, g.wallName, w, QStringLiteral("Sheathing"), productID, description);
            r.qtyPieces = panels;
            r.pieceLength = panelArea;
            r.linealFeet = roundHalfEven(area);
            r.lfPrice = sqftPrice;
            r.totalPrice = price;
            r.memberName = QStringLiteral("Wall Sheathing");
            InsertMaterialRow(MaterialShape::Named, r);
            UpdateMemberTotal(w, QStringLiteral("Sheathing"), price, wallID);
        }
    });
}

}  // namespace dv
