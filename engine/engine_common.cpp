#include "engine/engine_common.h"
#include "core/app_state.h"
#include "core/project_view.h"
#include "platform/numbers.h"

namespace dv {


int SelectedProfileID() { return projectView().selectedProfileID(); }

int PriceProfileID() { return projectView().defaultPricingSelected() ? 1 : SelectedProfileID(); }

Recordset SelectedProfileRow()
{
    const QString SqlText = QStringLiteral("SELECT * FROM Customer_Profiles WHERE CustomerProfileID = ") + sqlNumber(SelectedProfileID());
    return DbConnection.query(SqlText);
}

bool IsProductStocked(int productID)
{
    // Asked for every candidate of every wall and width: one prepared
    // statement per product column, the profile bound.
    PreparedStatement& st = DbConnection.cached(QStringLiteral("SELECT ") + ProductColumn(productID)
                                                + QStringLiteral(" FROM Product_Inventory WHERE CustomerProfileID = ?"));
    st.bind(1, static_cast<long long>(SelectedProfileID()));
    Recordset rs = DbConnection.query(st);
    if (rs.eof())
        return false;
    const Value v = rs.field(0);
    return !v.isNull() && v.toDouble() == -1.0;
}

std::optional<Money> LookupLFPrice(int productID)
{
    const int profile = PriceProfileID();
    PreparedStatement& st = DbConnection.cached(QStringLiteral("SELECT ") + ProductColumn(productID)
                                                + QStringLiteral(" FROM Product_Pricing WHERE CustomerProfileID = ?"));
    st.bind(1, static_cast<long long>(profile));
    Recordset rs = DbConnection.query(st);
    if (rs.eof())
        return std::nullopt;
    const Value v = rs.field(0);
    if (v.isNull())
        return std::nullopt;
    return v.toMoney();
}

QString GetProductIDList(int wallThickness, const QString& member, int mode)
{
    static const QStringList kMembers = {QStringLiteral("Stud"), QStringLiteral("Column"), QStringLiteral("Header"),
                                         QStringLiteral("Trimmers"), QStringLiteral("Cripple"), QStringLiteral("Plates"),
                                         QStringLiteral("Blocking"), QStringLiteral("Sheathing")};
    if (wallThickness != 6 && wallThickness != 8 && wallThickness != 10)
        throw AppError(err::BadValue, QStringLiteral("Wall width %1 is not 6, 8 or 10.").arg(wallThickness));
    if (!kMembers.contains(member))
        throw AppError(err::BadValue, QStringLiteral("Unknown member '%1'.").arg(member));
    QString SqlText = QStringLiteral("SELECT * FROM Products WHERE Wall2x") + QString::number(wallThickness)
              + QStringLiteral(" = -1 AND UseFor") + member;
    switch (mode) {
    case 1: SqlText += QStringLiteral(" = -1 AND IsSoftwood = -1"); break;
    case 0: SqlText += QStringLiteral(" = -1 AND IsSoftwood = 0"); break;
    case 3: SqlText += QStringLiteral(" = -1"); break;
    default: throw AppError(err::BadValue, QStringLiteral("Unknown product list mode %1.").arg(mode));
    }
    SqlText += QStringLiteral(" ORDER BY ProductID");
    QString list;
    // Twenty-odd shapes at most (width, member, mode), asked again for
    // every wall: each is prepared once.
    Recordset rs = DbConnection.query(DbConnection.cached(SqlText));
    while (!rs.eof()) {
        if (!list.isEmpty())
            list += QLatin1Char(',');
        list += rs.field(QStringLiteral("ProductID")).toText();
        rs.moveNext();
    }
    return list;
}

bool NextListItem(QString& list, QString& item)
{
    if (list.isEmpty())
        return false;
    const int comma = list.indexOf(QLatin1Char(','));
    if (comma < 0) {
        item = list.trimmed();
        list.clear();
    } else {
        item = list.left(comma).trimmed();
        list = list.mid(comma + 1);
    }
    return true;
}

QList<int> ProductIDsOf(const QString& list)
{
    QList<int> ids;
    QString rest = list, item;
    while (NextListItem(rest, item)) {
        bool ok = false;
        const int id = item.toInt(&ok);
        if (!ok)
            throw AppError(err::TypeMismatch, QStringLiteral("'%1' is not a product number.").arg(item));
        ids << id;
    }
    return ids;
}

int SingleProductID(const QString& list, const QString& memberDescription, int wallThickness)
{
    const QList<int> ids = ProductIDsOf(list);
    if (ids.size() != 1)
        throw AppError(err::ListNotSingle,
                       QStringLiteral("The products define %1 %2 product(s) for 2 x %3 walls; exactly one is needed.")
                           .arg(ids.size()).arg(memberDescription).arg(wallThickness));
    return ids.front();
}

QString ProductDescription(int productID, bool engineered)
{
    PreparedStatement& st = DbConnection.cached(QStringLiteral("SELECT * FROM Products WHERE ProductID = ?"));
    st.bind(1, static_cast<long long>(productID));
    Recordset rs = DbConnection.query(st);
    if (rs.eof())
        return QString();
    QString s = rs.field(QStringLiteral("ProductWidth")).toText() + QStringLiteral("\" x ")
                + rs.field(QStringLiteral("ProductDepth")).toText() + QStringLiteral("\" ");
    if (engineered)
        s += rs.field(QStringLiteral("eValue")).toText() + QLatin1Char(' ');
    return s + rs.field(QStringLiteral("ProductName")).toText();
}

QString StoredWallName(std::int16_t wallID)
{
    PreparedStatement& st = DbConnection.cached(QStringLiteral("SELECT WallName FROM Project_Information WHERE ID = ?"));
    st.bind(1, static_cast<long long>(wallID));
    Recordset rs = DbConnection.query(st);
    return rs.eof() ? QString() : rs.field(0).toText();
}

void InsertMaterialRow(MaterialShape shape, const MaterialRow& r)
{
    QString sql = QStringLiteral("INSERT INTO Material_List (WallID, WallName, WallWidth, MemberType, ProductID, ProductName, "
                                 "QtyPieces, PieceLength, LinealFeet, LFPrice, TotalPrice");
    switch (shape) {
    case MaterialShape::Studs: sql += QStringLiteral(", StudSpacing) VALUES (?,?,?,?,?,?,?,?,?,?,?,?)"); break;
    case MaterialShape::Named: sql += QStringLiteral(", MemberName) VALUES (?,?,?,?,?,?,?,?,?,?,?,?)"); break;
    case MaterialShape::SpacingAndName: sql += QStringLiteral(", StudSpacing, MemberName) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?)"); break;
    }
    PreparedStatement& st = DbConnection.cached(sql);
    st.bind(1, static_cast<long long>(r.wallID))
        .bind(2, r.wallName)
        .bind(3, static_cast<long long>(r.wallWidth))
        .bind(4, r.memberType)
        .bind(5, static_cast<long long>(r.productID))
        .bind(6, r.productName)
        .bind(7, r.qtyPieces)
        .bind(8, r.pieceLength)
        .bind(9, r.linealFeet)
        .bind(10, r.lfPrice)
        .bind(11, r.totalPrice);
    switch (shape) {
    case MaterialShape::Studs: st.bind(12, r.studSpacing); break;
    case MaterialShape::Named: st.bind(12, r.memberName); break;
    case MaterialShape::SpacingAndName: st.bind(12, r.studSpacing).bind(13, r.memberName); break;
    }
    st.exec();
}

QString MemberTotalField(int wallWidth, const QString& memberWord)
{
    static const QStringList kWords = {
        QStringLiteral("Studs"), QStringLiteral("Columns"), QStringLiteral("Headers"), QStringLiteral("Cripples"),
        QStringLiteral("Trimmers"), QStringLiteral("HeaderPlates"), QStringLiteral("TopPlates"),
        QStringLiteral("BottomPlates"), QStringLiteral("Blocking"), QStringLiteral("Sheathing"),
        QStringLiteral("Connectors"), QStringLiteral("JambX")};
    if (wallWidth != 6 && wallWidth != 8 && wallWidth != 10)
        throw AppError(err::BadValue, QStringLiteral("Wall width %1 is not 6, 8 or 10.").arg(wallWidth));
    if (!kWords.contains(memberWord))
        throw AppError(err::BadValue, QStringLiteral("Unknown member total '%1'.").arg(memberWord));
    return QLatin1Char('"') + QString::number(wallWidth) + memberWord + QLatin1Char('"');
}

void UpdateMemberTotal(int wallWidth, const QString& memberWord, Money amount, std::int16_t wallID)
{
    // Same statement shape for every wall: prepared once, values bound.
    PreparedStatement& st = DbConnection.cached(QStringLiteral("UPDATE Project_Information SET ")
                                                + MemberTotalField(wallWidth, memberWord)
                                                + QStringLiteral(" = ? WHERE ID = ?"));
    st.bind(1, amount).bind(2, static_cast<long long>(wallID));
    st.exec();
}

void ReadRoofLoads(std::int16_t roofLoadingID, double& roofLL, double& roofDL)
{
    PreparedStatement& st = DbConnection.cached(QStringLiteral("SELECT * FROM Roof_Loading WHERE ID = ? ORDER BY rowid"));
    st.bind(1, static_cast<long long>(roofLoadingID));
    Recordset rs = DbConnection.query(st);
    if (!rs.eof()) {
        roofLL = rs.field(QStringLiteral("RoofLL")).toDouble();
        roofDL = rs.field(QStringLiteral("RoofDL")).toDouble();
    }
}

void ReadDeflectionLimit(const QString& finishName, const char* limitField, std::int32_t& limit)
{
    PreparedStatement& st = DbConnection.cached(
        QStringLiteral("SELECT * FROM Exterior_Finish WHERE FinishName = ? COLLATE NOCASE ORDER BY rowid"));
    st.bind(1, finishName);
    Recordset rs = DbConnection.query(st);
    if (!rs.eof())
        limit = rs.field(QLatin1String(limitField)).toInt32();
}

}  // namespace dv
