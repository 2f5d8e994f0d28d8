#include "engine/takeoff_common.h"
#include "core/app_state.h"
#include "engine/engine_common.h"
#include "platform/numbers.h"

#include <cmath>

namespace dv {

Money moneyTimes(Money price, double quantity)
{
    checkedFinite(quantity, "quantity");
    if (quantity == std::trunc(quantity) && std::fabs(quantity) < 1e9) {
        const long double raw = static_cast<long double>(price.raw()) * static_cast<long double>(quantity);
        if (std::fabs(raw) < 9.0e18L)
            return Money::fromRaw(static_cast<std::int64_t>(raw));
    }
    return Money::fromDouble(price.toDouble() * quantity);
}

double numberField(const Recordset& rs, const QString& field, const QString& what)
{
    const Value v = rs.field(field);
    if (v.isNull())
        throw AppError(94, QStringLiteral("%1 is missing.").arg(what));
    if (v.type() == Value::Type::Text) {
        double d = 0;
        if (!parseStrictNumber(v.toText(), &d))
            throw AppError(err::TypeMismatch, QStringLiteral("%1 '%2' is not a number.").arg(what, v.toText()));
        return d;
    }
    return v.toDouble();
}

std::optional<Value> SelectedProfileField(const QString& field)
{
    static const QStringList kFields = {QStringLiteral("TrimmerProductID"), QStringLiteral("CrippleProductID"),
                                        QStringLiteral("BlockingProductID"), QStringLiteral("SheathingProductID")};
    if (!kFields.contains(field))
        throw AppError(err::BadValue, QStringLiteral("Unknown profile field '%1'.").arg(field));
    const QString SqlText = QStringLiteral("SELECT ") + field + QStringLiteral(" FROM Customer_Profiles WHERE CustomerProfileID = ")
              + sqlNumber(SelectedProfileID());
    Recordset rs = DbConnection.query(SqlText);
    if (rs.eof())
        return std::nullopt;
    return rs.field(0);
}

std::optional<bool> ProductIsSoftwood(int productID)
{
    PreparedStatement& st = DbConnection.cached(QStringLiteral("SELECT IsSoftwood FROM Products WHERE ProductID = ?"));
    st.bind(1, productID);
    Recordset rs = DbConnection.query(st);
    if (rs.eof())
        return std::nullopt;
    return rs.field(0).toBool();
}

void ProfileProductMode(const QString& profileField, int& mode)
{
    const std::optional<Value> id = SelectedProfileField(profileField);
    if (!id || id->isNull())
        return;
    const std::optional<bool> softwood = ProductIsSoftwood(id->toInt32());
    if (softwood)
        mode = *softwood ? 1 : 0;
}

void ReadWallName(std::int16_t wallID, WallGeometry& g)
{
    PreparedStatement& st = DbConnection.cached(QStringLiteral("SELECT WallName FROM Project_Information WHERE ID = ?"));
    st.bind(1, static_cast<long long>(wallID));
    Recordset rs = DbConnection.query(st);
    if (!rs.eof())
        g.wallName = rs.field(0).toText();
}

void ReadWallGeometry(std::int16_t wallID, WallGeometry& g)
{
    PreparedStatement& st = DbConnection.cached(QStringLiteral("SELECT * FROM General_Information WHERE WallID = ?"));
    st.bind(1, static_cast<long long>(wallID));
    Recordset rs = DbConnection.query(st);
    if (rs.eof())
        return;
    g.wallType = rs.field(QStringLiteral("WallType")).toText();
    g.eaveHeight = rs.field(QStringLiteral("EaveHeight")).toDouble();
    g.ridgeHeight = rs.field(QStringLiteral("RidgeHeight")).toDouble();
    g.wallLength = rs.field(QStringLiteral("WallLength")).toDouble();
    g.roofSlope = rs.field(QStringLiteral("RoofSlope")).toDouble();
    g.monoSlope = rs.field(QStringLiteral("MonoSlope")).toInt16();
}

std::optional<Money> SumMaterialPrice(std::int16_t wallID, int wallWidth, const QString& memberType,
                                      const QString& extraCondition)
{
    PreparedStatement& st = DbConnection.cached(
        QStringLiteral("SELECT TotalPrice FROM Material_List WHERE MemberType = ? COLLATE NOCASE AND WallWidth = ? "
                       "AND WallID = ?")
        + extraCondition);
    st.bind(1, memberType).bind(2, wallWidth).bind(3, static_cast<long long>(wallID));
    Recordset rs = DbConnection.query(st);
    if (rs.eof())
        return std::nullopt;
    Money total;
    for (; !rs.eof(); rs.moveNext()) {
        const Value v = rs.field(0);
        if (!v.isNull())
            total += v.toMoney();
    }
    return total;
}

int ListedProductPrice(int wallWidth, const QString& member, int mode, const QString& memberDescription,
                       Money& lfPrice)
{
    const int productID = SingleProductID(GetProductIDList(wallWidth, member, mode), memberDescription, wallWidth);
    if (const std::optional<Money> p = LookupLFPrice(productID))
        lfPrice = *p;
    return productID;
}

MaterialRow WallMaterialRow(std::int16_t wallID, const QString& wallName, int wallWidth, const QString& memberType,
                            int productID, const QString& productName)
{
    MaterialRow r;
    r.wallID = wallID;
    r.wallName = wallName;
    r.wallWidth = wallWidth;
    r.memberType = memberType;
    r.productID = productID;
    r.productName = productName;
    return r;
}

}  // namespace dv
