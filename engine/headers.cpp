#include "engine/headers.h"
#include "core/app_state.h"
#include "engine/calculate.h"
#include "engine/candidates.h"
#include "engine/design_wind.h"
#include "engine/engine_common.h"
#include "engine/member_numbers.h"
#include "engine/takeoff_common.h"
#include "engine/wind.h"
#include "platform/numbers.h"
#include "core/wall_store.h"

#include <algorithm>
#include <map>
#include <optional>
#include <tuple>
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
    double roofSlope = 0;  // rise per 12 of run, fractions included
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
        d.roofSlope = rs.field(QStringLiteral("RoofSlope")).toDouble();
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

// A capacity row that carries the header, its fields as the program reads them.
struct Solution {
    std::int16_t nomWallWidth = 0;
    QString orientation;
};

// The capacity rows of the product that carry the header's loads over the
// opening within the wall width, with its deflection limit, in database order.
std::vector<Solution> headerSolutions(const CapacityRows& rows, int productID, double verticalPLF,
                                      double openingWidth, int wallWidth, std::int32_t deflection, double lateralPLF)
{
    std::vector<Solution> out;
    for (const std::vector<CapacityField>& r : rows.of(productID)) {
        // VerticalPLF, MaxRO, NomWallWidth, LateralDefl, LateralPLF, Orientation
        if (fieldAtLeast(r[0], verticalPLF) && fieldAtLeast(r[1], openingWidth) && fieldAtMost(r[2], wallWidth)
            && fieldEquals(r[3], deflection) && fieldAtLeast(r[4], lateralPLF))
            out.push_back({r[2].value.toInt16(), r[5].value.toText()});
    }
    return out;
}

// The chosen header of a wall, width, opening and header number.
struct HeaderCandidate {
    std::int32_t productID = 0;
    bool top = false;
    double length = 0;              // whole feet
    std::int16_t trimmers = 0;      // per end
    bool plates = false;
    std::int32_t plateProductID = 0;
    Money plateLFPrice;             // both plates per foot of header
    Money plateTotalPrice;
    Money headerLFPrice;
    Money headerTotalPrice;
};
using HeaderKey = std::tuple<std::int16_t, int, std::int16_t, std::int16_t>;  // wall, width, opening, header

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

namespace {

// The 'Header' row of the chosen candidate and, when it needs them, its
// 'Plate' row.
void writeHeaderRows(ProductFacts& facts, const HeaderCandidate& c, std::int16_t wallID, int width,
                     std::int16_t headerID, std::int16_t headerNumber)
{
    const QString& headerText = facts.description(c.productID);
    MaterialRow header;
    header.qtyPieces = 1;
    header.pieceLength = c.length;
    header.linealFeet = c.length;
    header.lfPrice = c.headerLFPrice;
    header.totalPrice = c.headerTotalPrice;
    header.studSpacing = QString::number(c.trimmers);
    header.memberName =
        headerMemberName(headerID, headerNumber, c.top ? QStringLiteral("Top") : QStringLiteral("Bottom"));
    MaterialRow plate;
    if (c.plates) {
        plate.productID = c.plateProductID;
        plate.qtyPieces = 2;
        plate.pieceLength = c.length;
        plate.linealFeet = raiseToWhole(2.0 * c.length);
        plate.lfPrice = c.plateLFPrice;
        plate.totalPrice = c.plateTotalPrice;
        plate.studSpacing = QStringLiteral("Header Plates");
        plate.memberName = headerMemberName(headerID, headerNumber, QStringLiteral("Plates"));
    }
    for (MaterialRow* r : {&header, &plate}) {
        r->wallID = wallID;
        r->wallName = facts.wallName(wallID);
        r->wallWidth = width;
    }
    header.memberType = QStringLiteral("Header");
    header.productID = c.productID;
    header.productName = headerText;
    InsertMaterialRow(MaterialShape::SpacingAndName, header);
    if (c.plates) {
        plate.memberType = QStringLiteral("Plate");
        const QString& plateText = facts.description(plate.productID);
        // A plate product without its row keeps the description looked up last.
        plate.productName = plateText.isEmpty() ? headerText : plateText;
        InsertMaterialRow(MaterialShape::SpacingAndName, plate);
    }
}

}  // namespace

void CalculateHeaders()
{
    // The scratch table of header candidates is emptied as every step
    // empties its own; the candidates themselves are weighed here, in memory.
    const QString SqlText = QStringLiteral("DELETE FROM Temp_Header_Table");
    DbConnection.execute(SqlText);
    ProductFacts facts;
    const CapacityRows capacity("Header_Solutions",
                                {QStringLiteral("VerticalPLF"), QStringLiteral("MaxRO"), QStringLiteral("NomWallWidth"),
                                 QStringLiteral("LateralDefl"), QStringLiteral("LateralPLF"), QStringLiteral("Orientation")});
    CheapestByMember<HeaderKey, HeaderCandidate> chosen;

    std::int32_t windSpeed = 90;
    {
        Recordset rs = SelectedProfileRow();
        if (!rs.eof())
            windSpeed = rs.field(QStringLiteral("WindSpeed")).toInt32();
    }

    // The one plate product of each width, found on first use.
    std::map<int, int> plateProducts;
    const auto plateProductOf = [&plateProducts](int width) {
        auto it = plateProducts.find(width);
        if (it == plateProducts.end())
            it = plateProducts.emplace(width, SingleProductID(GetProductIDList(width, QStringLiteral("Plates"), 0),
                                                              QStringLiteral("header plate"), width)).first;
        return it->second;
    };

    // Kept from one opening or width to the next when a lookup finds no row.
    HeaderWallData wall;
    Money platePrice;
    double productWidth = 0, productDepth = 0;

    ForEachCheckedWall([&](std::int16_t wallID) {
        const std::vector<Opening> list = openings(
            QStringLiteral("SELECT * FROM Header_Information WHERE WallID = ? AND ") + liveOpeningCondition()
                + QStringLiteral(" ORDER BY rowid"),
            wallID);
        for (const Opening& o : list) {
            const std::int16_t n = MemberNumberOf(o.roid, 14);
            if (!readWallData(wallID, wall))
                continue;
            for (std::int16_t k = 1; k <= o.numHeaders; ++k) {
                const bool top = (k == 1);
                double verticalPLF = 100.0;
                if (top)
                    verticalPLF = (wall.roofLL + wall.roofDL)
                                  * (wall.wallType == QLatin1String("EAVE") ? wall.trussSpan / 2.0 : 3.0);

                for (int width : kWallWidths) {
                    const int plateProduct = plateProductOf(width);
                    // Plates without a price of their own would silently take the
                    // price of another width's plates: no price is an error once
                    // a candidate needs plates (below).
                    const std::optional<Money> platePriceFound = facts.price(plateProduct);
                    platePrice = platePriceFound.value_or(Money());

                    // The wind on the header is the same for every product:
                    // looked up once, when the first stocked product needs it.
                    std::optional<double> lateralPLF;
                    const QString exposure = DesignExposureLetter(wall.exposure, windSpeed);

                    for (int product : facts.engineered(width, QStringLiteral("Header"))) {
                        if (!facts.stocked(product))
                            continue;
                        const Money headerPrice = facts.requirePrice(product);
                        if (!lateralPLF) {
                            const double area = std::max(o.width * o.width / 3.0, o.avgHeight / 2.0 * o.width);
                            const double psf = DesignWindPressure(area, windSpeed, exposure);
                            lateralPLF = checkedFinite(o.avgHeight * 1.5 * psf, "the wind load on a header");
                        }
                        // Every solution row is of this product: its sizes
                        // are read once, with the first row.
                        bool sizesRead = false;
                        for (const Solution& s :
                             headerSolutions(capacity, product, verticalPLF, o.width, width, wall.deflection, *lateralPLF)) {
                            if (!sizesRead) {
                                if (const std::optional<ProductFacts::Sizes>& sizes = facts.sizes(product)) {
                                    productDepth = sizes->depth.toDouble();
                                    productWidth = sizes->width.toDouble();
                                }
                                sizesRead = true;
                            }
                            HeaderCandidate c;
                            c.productID = product;
                            c.top = top;
                            const std::int16_t t = TrimmersPerEnd(top, o.width, verticalPLF, productWidth);
                            const double run = o.width + 2.0 * (t * 1.5 / 12.0);
                            const double length =
                                (top && wall.wallType == QLatin1String("GABLE"))
                                    ? raiseToWhole(CalculateRakeLength(run, wall.roofSlope, 1, productDepth))
                                    : raiseToWhole(run);
                            c.length = length;
                            c.trimmers = t;
                            c.plates = s.nomWallWidth != width;
                            if (c.plates && !platePriceFound)
                                facts.requirePrice(plateProduct);  // raises "No Product Pricing Found"
                            c.plateProductID = plateProduct;
                            c.plateLFPrice = platePrice + platePrice;
                            if (c.plates)
                                c.plateTotalPrice = Money::fromDouble(platePrice.toDouble() * raiseToWhole(2.0 * length));
                            c.headerLFPrice = headerPrice;
                            c.headerTotalPrice = Money::fromDouble(headerPrice.toDouble() * length);
                            chosen.offer({wallID, width, n, k}, c.headerTotalPrice + c.plateTotalPrice, c);
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
                if (const HeaderCandidate* best = chosen.find({o.wallID, width, n, k}))
                    writeHeaderRows(facts, *best, o.wallID, width, n, k);
    }

    ForEachWallInGrid([](std::int16_t wallID) {
        for (int width : kWallWidths) {
            if (const std::optional<Money> sum = SumMaterialPrice(wallID, width, QStringLiteral("Header")))
                UpdateMemberTotal(width, QStringLiteral("Headers"), *sum, wallID);
        }
    });
}

}  // namespace dv
