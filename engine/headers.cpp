#include "engine/headers.h"
#include "core/app_state.h"
#include "engine/calculate.h"
#include "engine/design_wind.h"
#include "engine/engine_common.h"
#include "engine/member_numbers.h"
#include "engine/wind.h"
#include "platform/numbers.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace dv {

namespace {

struct Opening {
    std::int16_t wallID = 0;
    QString roid;
    double width = 0;
    double avgHeight = 0;
    std::int16_t numHeaders = 0;
    QString colLeft, colRight;
};

// What the header pass reads about a wall. Loads and the deflection limit
// whose rows are missing keep the values of the previous opening.
struct HeaderWallData {
    QString wallType;
    double trussSpan = 0;
    std::int16_t roofSlope = 0;
    QString exposure;
    double roofLL = 0;
    double roofDL = 0;
    std::int32_t deflection = 0;
};

bool readWallData(std::int16_t wallID, HeaderWallData& d)
{
    std::int16_t roofLoadingID = 0;
    QString finish;
    {
        PreparedStatement& st = DbConnection.cached(QStringLiteral("SELECT * FROM General_Information WHERE WallID = ? ORDER BY rowid"));
        st.bind(1, static_cast<long long>(wallID));
        Recordset rs = DbConnection.query(st);
        if (rs.eof())
            return false;
        d.wallType = rs.field(QStringLiteral("WallType")).toText();
        roofLoadingID = rs.field(QStringLiteral("RoofLoadingID")).toInt16();
        d.trussSpan = rs.field(QStringLiteral("TrussSpan")).toDouble();
        d.roofSlope = rs.field(QStringLiteral("RoofSlope")).toInt16();
        d.exposure = rs.field(QStringLiteral("Exposure")).toText().right(1);
        finish = rs.field(QStringLiteral("ExteriorFinish")).toText();
    }
    ReadRoofLoads(roofLoadingID, d.roofLL, d.roofDL);
    ReadDeflectionLimit(finish, "HeaderDeflectionLimit", d.deflection);
    return true;
}

std::vector<Opening> openings(const QString& sql, std::optional<std::int16_t> wallID)
{
    PreparedStatement& st = DbConnection.cached(sql);
    if (wallID)
        st.bind(1, static_cast<long long>(*wallID));
    Recordset rs = DbConnection.query(st);
    std::vector<Opening> out;
    while (!rs.eof()) {
        Opening o;
        o.wallID = rs.field(QStringLiteral("WallID")).toInt16();
        o.roid = rs.field(QStringLiteral("ROID")).toText();
        o.numHeaders = rs.field(QStringLiteral("NumHeaders")).toInt16();
        if (wallID) {
            o.width = rs.field(QStringLiteral("ROWidth")).toDouble();
            o.avgHeight = rs.field(QStringLiteral("AverageROHeight")).toDouble();
            o.colLeft = rs.field(QStringLiteral("ColIDLeft")).toText();
            o.colRight = rs.field(QStringLiteral("ColIDRight")).toText();
        }
        out.push_back(o);
        rs.moveNext();
    }
    return out;
}

struct Solution {
    std::int16_t nomWallWidth = 0;
    QString orientation;
};

std::vector<Solution> headerSolutions(int productID, double verticalPLF, double openingWidth, int wallWidth,
                                      std::int32_t deflection, double lateralPLF)
{
    PreparedStatement& st = DbConnection.cached(QStringLiteral(
        "SELECT * FROM Header_Solutions WHERE ProductID = ? AND VerticalPLF >= ? AND MaxRO >= ? AND NomWallWidth <= ?"
        " AND LateralDefl = ? AND LateralPLF >= ? ORDER BY rowid"));
    st.bind(1, static_cast<long long>(productID))
        .bind(2, verticalPLF)
        .bind(3, openingWidth)
        .bind(4, static_cast<long long>(wallWidth))
        .bind(5, static_cast<long long>(deflection))
        .bind(6, lateralPLF);
    Recordset rs = DbConnection.query(st);
    std::vector<Solution> out;
    while (!rs.eof()) {
        out.push_back({rs.field(QStringLiteral("NomWallWidth")).toInt16(), rs.field(QStringLiteral("Orientation")).toText()});
        rs.moveNext();
    }
    return out;
}

QString headerMemberName(std::int16_t headerID, std::int16_t headerNumber, const QString& what)
{
    return QStringLiteral("Header %1, ID# %2 (%3)").arg(headerID).arg(headerNumber).arg(what);
}

}  // namespace

std::int16_t TrimmersPerEnd(bool top, double openingWidth, double verticalPLF, double productWidth)
{
    if (!top)
        return 1;
    const double reaction = openingWidth / 2.0 * verticalPLF;
    return toInt16(raiseToWhole(safeDivide(reaction, productWidth * 435.0, "the trimmers of a header") / 1.5));
}

void InsertTempHeaderRow(const TempHeaderRow& r)
{
    PreparedStatement& st = DbConnection.cached(QStringLiteral(
        "INSERT INTO Temp_Header_Table (HeaderID , HeaderNumber, HeaderLoc, WallID, WallThickness, ProductID, ROWidth, "
        "VerticalPLF, NumberTrimmersLeft, ColumnIDLeft, NumberTrimmersRight, ColumnIDRight, PlatesRequired, "
        "PlateProductID, ProductOrientation, PlateLFPrice, PlateTotalPrice, HeaderLFPrice, HeaderTotalPrice, TotalPrice, "
        "Exposure, LateralDeflection, LateralPLF) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"));
    st.bind(1, static_cast<long long>(r.headerID))
        .bind(2, static_cast<long long>(r.headerNumber))
        .bind(3, r.headerLoc)
        .bind(4, static_cast<long long>(r.wallID))
        .bind(5, static_cast<long long>(r.wallThickness))
        .bind(6, static_cast<long long>(r.productID))
        .bind(7, r.roWidth)
        .bind(8, r.verticalPLF)
        .bind(9, static_cast<long long>(r.numberTrimmersLeft))
        .bind(10, r.columnIDLeft)
        .bind(11, static_cast<long long>(r.numberTrimmersRight))
        .bind(12, r.columnIDRight)
        .bind(13, r.platesRequired)
        .bind(14, static_cast<long long>(r.plateProductID))
        .bind(15, r.productOrientation)
        .bind(16, r.plateLFPrice)
        .bind(17, r.plateTotalPrice)
        .bind(18, r.headerLFPrice)
        .bind(19, r.headerTotalPrice)
        .bind(20, r.totalPrice)
        .bind(21, r.exposure)
        .bind(22, static_cast<long long>(r.lateralDeflection))
        .bind(23, r.lateralPLF);
    st.exec();
}

void SelectHeaderForOpening(std::int16_t WallThickness, std::int16_t WallID, std::int16_t HeaderID,
                            std::int16_t HeaderNumber)
{
    const QString wallName = StoredWallName(WallID);
    PreparedStatement& st = DbConnection.cached(QStringLiteral(
        "SELECT ID, ProductID, TotalPrice FROM Temp_Header_Table WHERE WallID = ? AND WallThickness = ?"
        " AND HeaderID = ? AND HeaderNumber = ? ORDER BY ID"));
    st.bind(1, static_cast<long long>(WallID))
        .bind(2, static_cast<long long>(WallThickness))
        .bind(3, static_cast<long long>(HeaderID))
        .bind(4, static_cast<long long>(HeaderNumber));
    const std::optional<CheapestCandidate> pick = PickCheapestCandidate(st);
    if (!pick)
        return;
    const long long bestID = pick->id;
    const int bestProduct = pick->productID;

    const QString headerText = ProductDescription(bestProduct, true);

    MaterialRow header;
    MaterialRow plate;
    bool plates = false;
    {
        PreparedStatement& st = DbConnection.cached(QStringLiteral("SELECT * FROM Temp_Header_Table WHERE ID = ?"));
        st.bind(1, bestID);
        Recordset rs = DbConnection.query(st);
        if (rs.eof())
            return;
        const double length = rs.field(QStringLiteral("ROWidth")).toDouble();
        const QString loc = rs.field(QStringLiteral("HeaderLoc")).toText();
        header.qtyPieces = 1;
        header.pieceLength = length;
        header.linealFeet = length;
        header.lfPrice = rs.field(QStringLiteral("HeaderLFPrice")).toMoney();
        header.totalPrice = rs.field(QStringLiteral("HeaderTotalPrice")).toMoney();
        header.studSpacing = QString::number(rs.field(QStringLiteral("NumberTrimmersLeft")).toInt16());
        header.memberName = headerMemberName(HeaderID, HeaderNumber, loc);
        plates = rs.field(QStringLiteral("PlatesRequired")).toText() == QLatin1String("Yes");
        if (plates) {
            plate.productID = rs.field(QStringLiteral("PlateProductID")).toInt32();
            plate.qtyPieces = 2;
            plate.pieceLength = length;
            plate.linealFeet = raiseToWhole(2.0 * length);
            plate.lfPrice = rs.field(QStringLiteral("PlateLFPrice")).toMoney();
            plate.totalPrice = rs.field(QStringLiteral("PlateTotalPrice")).toMoney();
            plate.studSpacing = QStringLiteral("Header Plates");
            plate.memberName = headerMemberName(HeaderID, HeaderNumber, QStringLiteral("Plates"));
        }
    }
    for (MaterialRow* r : {&header, &plate}) {
        r->wallID = WallID;
        r->wallName = wallName;
        r->wallWidth = WallThickness;
    }
    header.memberType = QStringLiteral("Header");
    header.productID = bestProduct;
    header.productName = headerText;
    InsertMaterialRow(MaterialShape::SpacingAndName, header);
    if (plates) {
        plate.memberType = QStringLiteral("Plate");
        const QString plateText = ProductDescription(plate.productID, true);
        // A plate product without its row keeps the description looked up last.
        plate.productName = plateText.isEmpty() ? headerText : plateText;
        InsertMaterialRow(MaterialShape::SpacingAndName, plate);
    }
}

void CalculateHeaders()
{
    SqlText = QStringLiteral("DELETE FROM Temp_Header_Table");
    DbConnection.execute(SqlText);

    std::int32_t windSpeed = 90;
    {
        Recordset rs = SelectedProfileRow();
        if (!rs.eof())
            windSpeed = rs.field(QStringLiteral("WindSpeed")).toInt32();
    }

    // Kept from one opening or width to the next when a lookup finds no row.
    HeaderWallData wall;
    Money platePrice;
    double productWidth = 0, productDepth = 0;

    ForEachCheckedWall([&](std::int16_t wallID) {
        const std::vector<Opening> list = openings(
            QStringLiteral("SELECT * FROM Header_Information WHERE WallID = ? AND ROWidth <> '**Removed**' COLLATE NOCASE ORDER BY rowid"),
            wallID);
        for (const Opening& o : list) {
            const std::int16_t n = MemberNumberOf(o.roid, 14);
            if (!readWallData(wallID, wall))
                continue;
            for (std::int16_t k = 1; k <= o.numHeaders; ++k) {
                const bool top = (k == 1);
                const QString loc = top ? QStringLiteral("Top") : QStringLiteral("Bottom");
                double verticalPLF = 100.0;
                if (top)
                    verticalPLF = (wall.roofLL + wall.roofDL)
                                  * (wall.wallType == QLatin1String("EAVE") ? wall.trussSpan / 2.0 : 3.0);

                for (int width : kWallWidths) {
                    const int plateProduct = SingleProductID(GetProductIDList(width, QStringLiteral("Plates"), 0),
                                                             QStringLiteral("header plate"), width);
                    // Plates without a price of their own would silently take the
                    // price of another width's plates: no price is an error once
                    // a candidate needs plates (below).
                    const std::optional<Money> platePriceFound = LookupLFPrice(plateProduct);
                    platePrice = platePriceFound.value_or(Money());

                    // The wind on the header is the same for every product:
                    // looked up once, when the first stocked product needs it.
                    std::optional<double> lateralPLF;
                    const QString exposure = DesignExposureLetter(wall.exposure, windSpeed);

                    for (int product : ProductIDsOf(GetProductIDList(width, QStringLiteral("Header"), 0))) {
                        if (!IsProductStocked(product))
                            continue;
                        const Money headerPrice = RequireLFPrice(product);
                        if (!lateralPLF) {
                            const double area = std::max(o.width * o.width / 3.0, o.avgHeight / 2.0 * o.width);
                            const double psf = DesignWindPressure(area, windSpeed, exposure);
                            lateralPLF = checkedFinite(o.avgHeight * 1.5 * psf, "the wind load on a header");
                        }
                        // Every solution row is of this product: its sizes
                        // are read once, with the first row.
                        bool sizesRead = false;
                        for (const Solution& s :
                             headerSolutions(product, verticalPLF, o.width, width, wall.deflection, *lateralPLF)) {
                            if (!sizesRead) {
                                PreparedStatement& st = DbConnection.cached(
                                    QStringLiteral("SELECT * FROM Products WHERE ProductID = ? ORDER BY rowid"));
                                st.bind(1, static_cast<long long>(product));
                                Recordset rs = DbConnection.query(st);
                                if (!rs.eof()) {
                                    productDepth = rs.field(QStringLiteral("ProductDepth")).toDouble();
                                    productWidth = rs.field(QStringLiteral("ProductWidth")).toDouble();
                                }
                                sizesRead = true;
                            }
                            TempHeaderRow r;
                            r.headerID = n;
                            r.headerNumber = k;
                            r.headerLoc = loc;
                            r.wallID = wallID;
                            r.wallThickness = static_cast<std::int16_t>(width);
                            r.productID = product;
                            r.verticalPLF = verticalPLF;
                            const std::int16_t t = TrimmersPerEnd(top, o.width, verticalPLF, productWidth);
                            const double run = o.width + 2.0 * (t * 1.5 / 12.0);
                            const double length =
                                (top && wall.wallType == QLatin1String("GABLE"))
                                    ? raiseToWhole(CalculateRakeLength(run, wall.roofSlope, 1, productDepth))
                                    : raiseToWhole(run);
                            r.roWidth = length;
                            r.numberTrimmersLeft = t;
                            r.numberTrimmersRight = t;
                            r.columnIDLeft = o.colLeft;
                            r.columnIDRight = o.colRight;
                            r.platesRequired = (s.nomWallWidth == width) ? QStringLiteral("No") : QStringLiteral("Yes");
                            if (r.platesRequired == QLatin1String("Yes") && !platePriceFound)
                                RequireLFPrice(plateProduct);  // raises "No Product Pricing Found"
                            r.plateProductID = plateProduct;
                            r.productOrientation = s.orientation;
                            r.plateLFPrice = platePrice + platePrice;
                            if (r.platesRequired == QLatin1String("Yes"))
                                r.plateTotalPrice = Money::fromDouble(platePrice.toDouble() * raiseToWhole(2.0 * length));
                            r.headerLFPrice = headerPrice;
                            r.headerTotalPrice = Money::fromDouble(headerPrice.toDouble() * length);
                            r.totalPrice = r.headerTotalPrice + r.plateTotalPrice;
                            r.exposure = exposure;
                            r.lateralDeflection = wall.deflection;
                            r.lateralPLF = *lateralPLF;
                            InsertTempHeaderRow(r);
                        }
                    }
                }
            }
        }
    });

    // Every opening of the project that is not removed; openings of walls
    // that were not calculated have no candidates and get no rows.
    const std::vector<Opening> all =
        openings(QStringLiteral("SELECT * FROM Header_Information WHERE NumHeaders <> 'NA' COLLATE NOCASE ORDER BY rowid"), std::nullopt);
    for (const Opening& o : all) {
        const std::int16_t n = MemberNumberOf(o.roid, 14);
        for (int width : kWallWidths)
            for (std::int16_t k = 1; k <= o.numHeaders; ++k)
                SelectHeaderForOpening(static_cast<std::int16_t>(width), o.wallID, n, k);
    }

    ForEachWallInGrid([](std::int16_t wallID) {
        for (int width : kWallWidths) {
            Money sum;
            if (SumMaterialRows(QStringLiteral("Header"), width, wallID, &sum))
                UpdateMemberTotal(width, QStringLiteral("Headers"), sum, wallID);
        }
    });
}

}  // namespace dv
