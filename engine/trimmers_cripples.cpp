#include "core/app_state.h"
#include "engine/calculate.h"
#include "engine/engine_common.h"
#include "engine/member_numbers.h"
#include "engine/takeoff_common.h"
#include "platform/numbers.h"
#include "core/wall_store.h"

namespace dv {

namespace {

struct HeaderRow {
    QString studSpacing;
    QString memberName;
};

QList<HeaderRow> headerRows(std::int16_t wallID, int w)
{
    PreparedStatement& st = DbConnection.cached(QStringLiteral(
        "SELECT StudSpacing, MemberName FROM Material_List WHERE WallID = ? AND WallWidth = ? "
        "AND MemberType = 'Header' COLLATE NOCASE ORDER BY rowid"));
    st.bind(1, static_cast<long long>(wallID)).bind(2, w);
    Recordset rs = DbConnection.query(st);
    QList<HeaderRow> rows;
    for (; !rs.eof(); rs.moveNext())
        rows << HeaderRow{rs.field(0).toText(), rs.field(1).toText()};
    return rows;
}

// "Header 3, ID# 1 (Top)": the opening number 3 and the position "Top".
// A name without a comma leaves both as they were.
void parseHeaderName(const QString& name, std::int32_t& opening, QString& position)
{
    const int comma = name.indexOf(QLatin1Char(','));
    if (comma <= 0)
        return;
    opening = MemberNumberOf(name.left(comma).trimmed(), 7);
    const QString tail = name.mid(comma + 1).trimmed();
    const int open = tail.indexOf(QLatin1Char('('));
    const int close = tail.indexOf(QLatin1Char(')'));
    position = (open >= 0 && close > open) ? tail.mid(open + 1, close - open - 1) : QString();
}

struct Opening {
    QString left, right;
    double averageHeight = 0;
};

std::optional<Opening> findOpening(std::int16_t wallID, std::int32_t k)
{
    PreparedStatement& st = DbConnection.cached(QStringLiteral(
        "SELECT ColIDLeft, ColIDRight, AverageROHeight FROM Header_Information "
        "WHERE WallID = ? AND ROID = ? COLLATE NOCASE"));
    st.bind(1, static_cast<long long>(wallID)).bind(2, QStringLiteral("Rough Opening %1").arg(k));
    Recordset rs = DbConnection.query(st);
    if (rs.eof())
        return std::nullopt;
    Opening o;
    o.left = rs.field(0).toText();
    o.right = rs.field(1).toText();
    o.averageHeight = numberField(rs, QStringLiteral("AverageROHeight"),
                                  QStringLiteral("The average height of Rough Opening %1").arg(k));
    return o;
}

// Length of the trimmers on one side: the supporting column's height less
// the 3/8 in. plate allowance. A side with no support column (none named, a
// column that is not there or was removed) takes the opening's own height.
double sideLength(std::int16_t wallID, const QString& columnID, const Opening& o)
{
    PreparedStatement& st = DbConnection.cached(
        QStringLiteral("SELECT ColumnHeight FROM Column_Information WHERE WallID = ? AND ColumnID = ? COLLATE NOCASE"));
    st.bind(1, static_cast<long long>(wallID)).bind(2, columnID);
    Recordset rs = DbConnection.query(st);
    if (rs.eof() || isRemovedText(rs.field(0).toText()))
        return o.averageHeight;
    return numberField(rs, QStringLiteral("ColumnHeight"), QStringLiteral("The height of %1").arg(columnID)) - 0.375;
}

}  // namespace

void CalculateTrimmers()
{
    WallGeometry g;
    Money lfPrice;
    int mode = 0;
    std::int32_t opening = 0;
    QString position;
    ForEachCheckedWall([&](std::int16_t wallID) {
        ReadWallName(wallID, g);
        for (int w : kWallWidths) {
            for (const HeaderRow& h : headerRows(wallID, w)) {
                double n = 0;
                if (!parseStrictNumber(h.studSpacing, &n))
                    throw AppError(err::TypeMismatch, QStringLiteral("The trimmer count '%1' of %2 is not a number.")
                                                       .arg(h.studSpacing, h.memberName));
                n = roundHalfEven(n);
                parseHeaderName(h.memberName, opening, position);
                // An opening gets its trimmers once, from its top header.
                if (position != QLatin1String("Top"))
                    continue;
                const std::optional<Opening> o = findOpening(wallID, opening);
                if (!o)
                    continue;  // a header of no opening has nothing to stand on
                const double left = sideLength(wallID, o->left, *o);
                const double right = sideLength(wallID, o->right, *o);

                ProfileProductMode(QStringLiteral("TrimmerProductID"), mode);
                const int productID =
                    ListedProductPrice(w, QStringLiteral("Trimmers"), mode, QStringLiteral("trimmer"), lfPrice);
                const QString productName = ProductDescription(productID, mode != 1);

                struct Piece { double qty, length; };
                QList<Piece> pieces;
                if (left == right)
                    pieces << Piece{2 * n, raiseToWhole(right)};
                else
                    pieces << Piece{n, raiseToWhole(right)} << Piece{n, raiseToWhole(left)};
                for (const Piece& p : pieces) {
                    MaterialRow r =
                        WallMaterialRow(wallID, g.wallName, w, QStringLiteral("Trimmer"), productID, productName);
                    r.qtyPieces = p.qty;
                    r.pieceLength = p.length;
                    r.linealFeet = p.length * p.qty;
                    r.lfPrice = lfPrice;
                    r.totalPrice = moneyTimes(lfPrice, r.linealFeet);
                    r.memberName = QStringLiteral("Trimmer Studs");
                    InsertMaterialRow(MaterialShape::Named, r);
                }
            }
        }
    });
    // Every wall of the grid gets its trimmer totals, 0 when not calculated.
    ForEachWallInGrid([](std::int16_t wallID) {
        for (int w : kWallWidths)
            UpdateMemberTotal(w, QStringLiteral("Trimmers"), SumMaterialPrice(wallID, w, QStringLiteral("Trimmer")).value_or(Money()),
                              wallID);
    });
}

void CalculateCripples()
{
    WallGeometry g;
    Money lfPrice;
    int mode = 0;
    ForEachCheckedWall([&](std::int16_t wallID) {
        ReadWallName(wallID, g);
        ReadWallGeometry(wallID, g);
        ProfileProductMode(QStringLiteral("CrippleProductID"), mode);
        const double wallHeight =
            g.wallType == QLatin1String("EAVE") ? g.eaveHeight : (g.eaveHeight + g.ridgeHeight) / 2;
        for (int w : kWallWidths) {
            // Cripples are spaced like the wall's studs: the widest spacing of
            // its wall-stud rows (the corner-stud row aside; the wall-stud
            // rows carry no member name).
            double spacing = 0;
            {
                PreparedStatement& st = DbConnection.cached(QStringLiteral(
                    "SELECT StudSpacing FROM Material_List WHERE WallID = ? AND WallWidth = ? "
                    "AND MemberType = 'Stud' COLLATE NOCASE "
                    "AND (MemberName IS NULL OR MemberName <> 'Corner Stud' COLLATE NOCASE) ORDER BY rowid"));
                st.bind(1, static_cast<long long>(wallID)).bind(2, w);
                Recordset rs = DbConnection.query(st);
                for (; !rs.eof(); rs.moveNext()) {
                    const double s = numberField(rs, QStringLiteral("StudSpacing"), QStringLiteral("A stud spacing"));
                    if (spacing == 0 || spacing < s)
                        spacing = s;
                }
            }
            if (spacing == 0)
                spacing = 1.334;

            struct Open { double width, height, headers; };
            QList<Open> openings;
            {
                static const QString sql =
                    QStringLiteral("SELECT ROID, ROWidth, AverageROHeight, NumHeaders FROM Header_Information WHERE "
                                   "WallID = ? AND ")
                    + liveOpeningCondition() + QStringLiteral(" ORDER BY rowid");
                PreparedStatement& st = DbConnection.cached(sql);
                st.bind(1, static_cast<long long>(wallID));
                Recordset rs = DbConnection.query(st);
                for (; !rs.eof(); rs.moveNext()) {
                    const QString roid = rs.field(0).toText();
                    openings << Open{numberField(rs, QStringLiteral("ROWidth"), QStringLiteral("The width of ") + roid),
                                     numberField(rs, QStringLiteral("AverageROHeight"),
                                                 QStringLiteral("The height of ") + roid),
                                     roundHalfEven(numberField(rs, QStringLiteral("NumHeaders"),
                                                               QStringLiteral("The number of headers of ") + roid))};
                }
            }
            if (openings.isEmpty())
                continue;

            const int productID =
                ListedProductPrice(w, QStringLiteral("Cripple"), mode, QStringLiteral("cripple"), lfPrice);
            const QString productName = ProductDescription(productID, mode != 1);

            double totalLF = 0;
            Money totalPrice;
            for (const Open& o : openings) {
                const double stack = o.headers * o.height + o.headers * 0.5 + 0.375;
                double length = stack < wallHeight ? raiseToWhole(wallHeight - stack) : 2.0;
                if (length < 2.0)
                    length = 2.0;
                const double count = raiseToWhole(safeDivide(o.width, spacing, "cripple count"));
                totalLF = checkedFinite(totalLF + count * length, "cripple footage");
                totalPrice = moneyTimes(lfPrice, totalLF);
            }
            if (totalPrice != Money()) {
                MaterialRow r =
                    WallMaterialRow(wallID, g.wallName, w, QStringLiteral("Cripple"), productID, productName);
                r.qtyPieces = 1;
                r.pieceLength = totalLF;
                r.linealFeet = totalLF;
                r.lfPrice = lfPrice;
                r.totalPrice = totalPrice;
                r.memberName = QStringLiteral("Cripple Studs");
                InsertMaterialRow(MaterialShape::Named, r);
            }
            UpdateMemberTotal(w, QStringLiteral("Cripples"), totalPrice, wallID);
        }
    });
}

}  // namespace dv
