#include "core/app_state.h"
#include "engine/calculate.h"
#include "engine/engine_common.h"
#include "engine/takeoff_common.h"
#include "platform/numbers.h"
#include "core/wall_store.h"

namespace dv {

namespace {

// The number of headers over the wall's openings that are not removed.
std::optional<std::int32_t> headerCount(std::int16_t wallID)
{
    PreparedStatement& st = DbConnection.cached(QStringLiteral(
        "SELECT ROID, NumHeaders FROM Header_Information WHERE WallID = ? AND NumHeaders <> 'NA' COLLATE NOCASE "
        "ORDER BY rowid"));
    st.bind(1, static_cast<long long>(wallID));
    Recordset rs = DbConnection.query(st);
    if (rs.eof())
        return std::nullopt;
    std::int32_t h = 0;
    for (; !rs.eof(); rs.moveNext())
        h += toInt32(numberField(rs, QStringLiteral("NumHeaders"),
                                 QStringLiteral("The number of headers of ") + rs.field(0).toText()));
    return h;
}

std::int32_t columnCount(std::int16_t wallID)
{
    PreparedStatement& st =
        DbConnection.cached(QStringLiteral("SELECT ColumnHeight FROM Column_Information WHERE WallID = ?"));
    st.bind(1, static_cast<long long>(wallID));
    Recordset rs = DbConnection.query(st);
    std::int32_t c = 0;
    for (; !rs.eof(); rs.moveNext())
        if (!isRemovedText(rs.field(0).toText()))
            ++c;
    return c;
}

// A money field; a Null counts as 0.
Money moneyOrZero(const Recordset& rs, const QString& field)
{
    const Value v = rs.field(field);
    return v.isNull() ? Money() : v.toMoney();
}

// Labour hours are typed into the profile as text; an empty text is no time.
double hoursField(const Recordset& rs, const QString& field)
{
    const Value v = rs.field(field);
    if (v.isNull() || v.toText().trimmed().isEmpty())
        return 0;
    return numberField(rs, field, QStringLiteral("The jamb extension labour time %1 of the pricing profile").arg(field));
}

}  // namespace

void CalculateConnectors()
{
    Money price;
    ForEachCheckedWall([&](std::int16_t wallID) {
        WallGeometry g;  // the name is empty for a wall with no row
        ReadWallName(wallID, g);
        const std::int32_t columns = columnCount(wallID);
        const std::int32_t headers = headerCount(wallID).value_or(0);
        const std::int32_t quantity = toInt32((static_cast<double>(headers) + columns) * 8);
        if (quantity == 0)
            return;

        int productID = 0;
        QString productName;
        {
            Recordset rs = DbConnection.query(
                QStringLiteral("SELECT ProductID, ProductName FROM Products WHERE IsConnector = -1 ORDER BY ProductID"));
            if (rs.eof())
                throw AppError(err::BadValue, QStringLiteral("No product is marked as the connector, so the "
                                                             "connectors of wall '%1' cannot be priced.").arg(g.wallName));
            productID = rs.field(0).toInt32();
            productName = rs.field(1).toText();
        }
        if (const std::optional<Money> p = LookupLFPrice(productID))
            price = *p;
        const Money total = moneyTimes(price, quantity);
        for (int w : kWallWidths) {
            MaterialRow r =
                WallMaterialRow(wallID, g.wallName, w, QStringLiteral("Connectors"), productID, productName);
            r.qtyPieces = quantity;
            r.pieceLength = 1;
            r.linealFeet = quantity;
            r.lfPrice = price;
            r.totalPrice = total;
            r.memberName = QStringLiteral("Connectors");
            InsertMaterialRow(MaterialShape::Named, r);
            UpdateMemberTotal(w, QStringLiteral("Connectors"), total, wallID);
            PreparedStatement& st = DbConnection.cached(
                QStringLiteral("UPDATE Project_Information SET NumberColumns = ?, NumberHeaders = ? WHERE ID = ?"));
            st.bind(1, columns).bind(2, headers).bind(3, static_cast<long long>(wallID));
            st.exec();
        }
    });
}

void CalculateJambExtensions()
{
    double hours[3] = {0, 0, 0};
    Money laborRate;
    std::int32_t mfrID = 0;
    std::int32_t method = 0;
    {
        Recordset rs = SelectedProfileRow();
        if (!rs.eof()) {
            hours[0] = hoursField(rs, QStringLiteral("Jamb2x6L"));
            hours[1] = hoursField(rs, QStringLiteral("Jamb2x8L"));
            hours[2] = hoursField(rs, QStringLiteral("Jamb2x10L"));
            laborRate = moneyOrZero(rs, QStringLiteral("LaborRate"));
            const Value m = rs.field(QStringLiteral("MfrID"));
            mfrID = m.isNull() ? 0 : m.toInt32();
            const Value j = rs.field(QStringLiteral("JambMethod"));
            method = j.isNull() ? 0 : j.toInt32();
        }
    }
    double material[3] = {0, 0, 0};
    {
        const QString SqlText = QStringLiteral("SELECT * FROM Window_Manufacturer WHERE ID = ") + sqlNumber(mfrID);
        Recordset rs = DbConnection.query(SqlText);
        if (!rs.eof()) {
            material[0] = moneyOrZero(rs, QStringLiteral("Material2x6")).toDouble();
            material[1] = moneyOrZero(rs, QStringLiteral("Material2x8")).toDouble();
            material[2] = moneyOrZero(rs, QStringLiteral("Material2x10")).toDouble();
        }
    }
    ForEachCheckedWall([&](std::int16_t wallID) {
        const std::optional<std::int32_t> headers = headerCount(wallID);
        if (!headers)
            return;
        const double h = *headers;
        for (int i = 0; i < 3; ++i) {
            Money cost = Money::fromDouble(h * material[i]);
            // Method 1 prices the material alone; any other adds the labour.
            if (method != 1)
                cost += Money::fromDouble(laborRate.toDouble() * hours[i] * h);
            UpdateMemberTotal(kWallWidths[i], QStringLiteral("JambX"), cost, wallID);
        }
    });
}

}  // namespace dv
