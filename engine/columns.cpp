#include "engine/columns.h"
#include "core/app_state.h"
#include "engine/calculate.h"
#include "engine/candidates.h"
#include "engine/design_wind.h"
#include "engine/engine_common.h"
#include "engine/member_numbers.h"
#include "engine/takeoff_common.h"
#include "platform/numbers.h"
#include "core/wall_store.h"

#include <optional>
#include <tuple>
#include <vector>

namespace dv {

namespace {

// What the column pass reads about a wall. A wall whose rows are missing
// keeps what was read for the previous column of the run.
struct ColumnWallData {
    QString wallType;
    std::int16_t roofLoadingID = 0;
    double trussSpan = 0;
    QString exteriorFinish;
    QString exposure;
    double roofLL = 0;
    double roofDL = 0;
    std::int32_t deflection = 0;
};

void readWallData(std::int16_t wallID, ColumnWallData& d)
{
    {
        PreparedStatement& st = DbConnection.cached(QStringLiteral("SELECT * FROM General_Information WHERE WallID = ? ORDER BY rowid"));
        st.bind(1, static_cast<long long>(wallID));
        Recordset rs = DbConnection.query(st);
        if (!rs.eof()) {
            d.wallType = rs.field(QStringLiteral("WallType")).toText();
            d.roofLoadingID = rs.field(QStringLiteral("RoofLoadingID")).toInt16();
            d.trussSpan = rs.field(QStringLiteral("TrussSpan")).toDouble();
            d.exteriorFinish = rs.field(QStringLiteral("ExteriorFinish")).toText();
            d.exposure = rs.field(QStringLiteral("Exposure")).toText();
        }
    }
    ReadRoofLoads(d.roofLoadingID, d.roofLL, d.roofDL);
    ReadDeflectionLimit(d.exteriorFinish, "ColumnDeflectionLimit", d.deflection);
}

struct ColumnRow {
    std::int16_t wallID = 0;
    QString columnID;
    QString height;
    QString maxWidth;
};

std::vector<ColumnRow> columnRows(const QString& sql, std::int16_t wallID, bool byWall)
{
    PreparedStatement& st = DbConnection.cached(sql);
    if (byWall)
        st.bind(1, static_cast<long long>(wallID));
    Recordset rs = DbConnection.query(st);
    std::vector<ColumnRow> rows;
    while (!rs.eof()) {
        rows.push_back({rs.field(QStringLiteral("WallID")).toInt16(), rs.field(QStringLiteral("ColumnID")).toText(),
                        rs.field(QStringLiteral("ColumnHeight")).toText(), rs.field(QStringLiteral("MaxWidth")).toText()});
        rs.moveNext();
    }
    return rows;
}

double textNumber(const QString& text, const QString& what)
{
    double v = 0;
    if (!parseStrictNumber(text, &v))
        throw AppError(err::TypeMismatch, QStringLiteral("The %1 '%2' is not a number.").arg(what, text));
    return v;
}

// Widths of the openings at the two sides of a column, with a flag telling
// whether an opening stands there at all.
struct ColumnSides {
    double widthA = 0, widthB = 0;
    int flagA = 1, flagB = 1;
    double tribWidth = 0;
};

ColumnSides columnSides(std::int16_t wallID, std::int16_t n, double spacingFactor)
{
    const QString name = QStringLiteral("Column ") + QString::number(n);
    PreparedStatement& st = DbConnection.cached(QStringLiteral(
        "SELECT * FROM Header_Information WHERE WallID = ? AND ColIDLeft = ? COLLATE NOCASE"
        " OR WallID = ? AND ColIDRight = ? COLLATE NOCASE ORDER BY rowid"));
    st.bind(1, static_cast<long long>(wallID)).bind(2, name).bind(3, static_cast<long long>(wallID)).bind(4, name);
    Recordset rs = DbConnection.query(st);
    ColumnSides s;
    if (rs.eof()) {
        s.tribWidth = 2.0 * spacingFactor + 1.0;
        s.flagA = s.flagB = 0;
        return s;
    }
    while (!rs.eof()) {
        if (rs.field(QStringLiteral("ColIDLeft")).toText().compare(name, Qt::CaseInsensitive) == 0)
            s.widthA = rs.field(QStringLiteral("ROWidth")).toDouble();
        if (rs.field(QStringLiteral("ColIDRight")).toText().compare(name, Qt::CaseInsensitive) == 0)
            s.widthB = rs.field(QStringLiteral("ROWidth")).toDouble();
        rs.moveNext();
    }
    if (s.widthA == 0) {
        s.widthA = 2.0 * spacingFactor;
        s.flagA = 0;
    }
    if (s.widthB == 0) {
        s.widthB = 2.0 * spacingFactor;
        s.flagB = 0;
    }
    s.tribWidth = s.widthB / 2.0 + s.widthA / 2.0 + 1.0;
    return s;
}

// A capacity row that carries the column, its fields as the program reads them.
struct Solution {
    double maxHeight = 0;
    double axialLoad = 0;
    std::int16_t plies = 0;
};

// The capacity rows of the product with the column's deflection limit that
// carry its wind load, height and roof load, in database order.
std::vector<Solution> columnSolutions(const CapacityRows& rows, int productID, std::int32_t deflection, double plf,
                                      double length, double axial)
{
    std::vector<Solution> out;
    for (const std::vector<CapacityField>& r : rows.of(productID)) {
        // Deflection, PLF, MaxHeight, AxialLoad, Plies
        if (fieldEquals(r[0], deflection) && fieldAtLeast(r[1], plf) && fieldAtLeast(r[2], length)
            && fieldAtLeast(r[3], axial))
            out.push_back({r[2].value.toDouble(), r[3].value.toDouble(), r[4].value.toInt16()});
    }
    return out;
}

// The chosen column of a wall, width and column number.
struct ColumnCandidate {
    std::int32_t productID = 0;
    double tribWidth = 0;
    std::int16_t plies = 0;
    double pieceLength = 0;
    Money lfPrice;
    Money totalPrice;
};
using ColumnKey = std::tuple<std::int16_t, int, std::int16_t>;  // wall, width, column number

void writeColumnRow(ProductFacts& facts, const ColumnCandidate& c, std::int16_t wallID, int width, std::int16_t number)
{
    MaterialRow row;
    row.productName = facts.description(c.productID);
    row.qtyPieces = c.plies;
    row.pieceLength = c.pieceLength;
    row.linealFeet = c.plies * c.pieceLength;
    row.lfPrice = c.lfPrice;
    row.totalPrice = c.totalPrice;
    row.studSpacing = sqlNumber(c.tribWidth);
    row.wallID = wallID;
    row.wallName = facts.wallName(wallID);
    row.wallWidth = width;
    row.memberType = QStringLiteral("Column");
    row.productID = c.productID;
    row.memberName = QStringLiteral("Column ") + QString::number(number);
    InsertMaterialRow(MaterialShape::SpacingAndName, row);
}

}  // namespace

int BearingMembersFor(double sideLoad)
{
    if (sideLoad <= 2283.0)
        return 1;
    if (sideLoad <= 4567.0)
        return 2;
    if (sideLoad <= 6851.0)
        return 3;
    return 0;
}

void CalculateColumns()
{
    // The scratch table of column candidates is emptied as every step
    // empties its own; the candidates themselves are weighed here, in memory.
    const QString SqlText = QStringLiteral("DELETE FROM Temp_Column_Table");
    DbConnection.execute(SqlText);
    ProductFacts facts;
    const CapacityRows capacity("Column_Solutions",
                                {QStringLiteral("Deflection"), QStringLiteral("PLF"), QStringLiteral("MaxHeight"),
                                 QStringLiteral("AxialLoad"), QStringLiteral("Plies")});
    CheapestByMember<ColumnKey, ColumnCandidate> chosen;

    double spacingFactor = 1.0;
    std::int32_t windSpeed = 90;
    {
        Recordset rs = SelectedProfileRow();
        if (!rs.eof()) {
            const auto flag = [&rs](const char* f) {
                const Value v = rs.field(QLatin1String(f));
                return v.isNull() ? 0.0 : v.toDouble();
            };
            if (flag("Spacing24oc") == 1.0)
                spacingFactor = 1.0;
            else if (flag("Spacing16oc") != 0.0)
                spacingFactor = 0.6667;
            else if (flag("Spacing12oc") == 1.0)
                spacingFactor = 0.5;
            else
                spacingFactor = 0.0;
            windSpeed = rs.field(QStringLiteral("WindSpeed")).toInt32();
        }
    }

    ColumnWallData wall;        // kept from column to column when a row is missing
    double productWidth = 0;    // likewise, for a product without a Products row

    ForEachCheckedWall([&](std::int16_t wallID) {
        const std::vector<ColumnRow> rows = columnRows(
            QStringLiteral("SELECT * FROM Column_Information WHERE WallID = ? ORDER BY rowid"), wallID, true);
        for (const ColumnRow& c : rows) {
            if (isRemovedText(c.height))
                continue;
            const std::int16_t n = MemberNumberOf(c.columnID, 7);
            const double length = textNumber(c.height, QStringLiteral("column height")) - 0.375;
            readWallData(wallID, wall);
            const QString exposure = DesignExposureLetter(wall.exposure, windSpeed);
            const double maxWidth = textNumber(c.maxWidth, QStringLiteral("largest column width"));
            const ColumnSides sides = columnSides(wallID, n, spacingFactor);

            const double psf = DesignWindPressure(length * length / 3.0, windSpeed, exposure);
            const double plf = checkedFinite(sides.tribWidth * psf, "the wind load on a column");
            const double axial = (wall.roofDL + wall.roofLL) * (wall.wallType == QLatin1String("EAVE") ? wall.trussSpan / 2.0 : 3.0);

            const double pieceLength = raiseToWhole(length);
            for (int width : kWallWidths) {
                for (int p : facts.engineered(width, QStringLiteral("Column"))) {
                    if (!facts.stocked(p))
                        continue;
                    const Money price = facts.requirePrice(p);

                    const int membersA = BearingMembersFor(sides.widthA / 2.0 * axial);
                    const int membersB = BearingMembersFor(sides.widthB / 2.0 * axial);
                    // A header end heavier than three members carry leaves no
                    // sound width for the column: no candidate.
                    if ((sides.flagA == 1 && membersA == 0) || (sides.flagB == 1 && membersB == 0))
                        continue;
                    const double allowance = (membersA * sides.flagA + membersB * sides.flagB) * 1.5 / 12.0;
                    const double available = maxWidth - allowance;

                    // Every solution row is of product p: its width is read
                    // once, with the first row.
                    bool widthRead = false;
                    for (const Solution& s : columnSolutions(capacity, p, wall.deflection, plf, length, axial)) {
                        const Money perFoot = Money::fromDouble(s.plies * price.toDouble());
                        const Money total = Money::fromDouble(pieceLength * perFoot.toDouble());
                        if (!widthRead) {
                            if (const std::optional<ProductFacts::Sizes>& sizes = facts.sizes(p))
                                productWidth = sizes->width.toDouble();
                            widthRead = true;
                        }
                        const double columnWidth = productWidth * s.plies / 12.0;
                        if (columnWidth <= available)
                            chosen.offer({wallID, width, n}, total,
                                         {p, sides.tribWidth, s.plies, pieceLength, perFoot, total});
                    }
                }
            }
        }
    });

    // Every column of the project; walls that were not calculated have no
    // candidates and get no rows.
    const std::vector<ColumnRow> all =
        columnRows(QStringLiteral("SELECT * FROM Column_Information ORDER BY rowid"), 0, false);
    for (const ColumnRow& c : all) {
        const std::int16_t n = MemberNumberOf(c.columnID, 7);
        for (int width : kWallWidths)
            if (const ColumnCandidate* best = chosen.find({c.wallID, width, n}))
                writeColumnRow(facts, *best, c.wallID, width, n);
    }

    ForEachWallInGrid([](std::int16_t wallID) {
        for (int width : kWallWidths) {
            if (const std::optional<Money> sum = SumMaterialPrice(wallID, width, QStringLiteral("Column")))
                UpdateMemberTotal(width, QStringLiteral("Columns"), *sum, wallID);
        }
    });
}

}  // namespace dv
