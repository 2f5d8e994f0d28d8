#include "engine/candidates.h"
#include "core/app_state.h"
#include "engine/engine_common.h"

#include <cmath>

namespace dv {

CapacityField::CapacityField(const Value& v) : value(v)
{
    if (v.isNull())
        kind = Kind::Null;
    else if (v.type() == Value::Type::Text)
        kind = Kind::Text;
    else {
        kind = Kind::Number;
        number = v.toDouble();
    }
}

bool fieldAtLeast(const CapacityField& field, double bound)
{
    return field.kind == CapacityField::Kind::Text || (field.kind == CapacityField::Kind::Number && field.number >= bound);
}

bool fieldAtMost(const CapacityField& field, double bound)
{
    return field.kind == CapacityField::Kind::Number && field.number <= bound;
}

bool fieldEquals(const CapacityField& field, double bound)
{
    return field.kind == CapacityField::Kind::Number && field.number == bound;
}

bool fieldEqualsNoCase(const CapacityField& field, const QString& text)
{
    if (field.kind != CapacityField::Kind::Text)
        return false;
    const QString value = field.value.toText();
    if (value.size() != text.size())
        return false;
    const auto fold = [](QChar c) { return c >= u'A' && c <= u'Z' ? QChar(c.unicode() + 32) : c; };
    for (qsizetype i = 0; i < value.size(); ++i)
        if (fold(value[i]) != fold(text[i]))
            return false;
    return true;
}

const QList<int>& ProductFacts::engineered(int wallThickness, const QString& member)
{
    const QString key = QString::number(wallThickness) + member;
    auto it = lists_.find(key);
    if (it == lists_.end())
        it = lists_.insert(key, ProductIDsOf(GetProductIDList(wallThickness, member, 0)));
    return *it;
}

bool ProductFacts::stocked(int productID)
{
    auto it = stocked_.find(productID);
    if (it == stocked_.end())
        it = stocked_.insert(productID, IsProductStocked(productID));
    return *it;
}

std::optional<Money> ProductFacts::price(int productID)
{
    auto it = prices_.find(productID);
    if (it == prices_.end())
        it = prices_.insert(productID, LookupLFPrice(productID));
    return *it;
}

Money ProductFacts::requirePrice(int productID)
{
    const std::optional<Money> p = price(productID);
    if (!p)
        throw AppError(err::NoProductPricing, QStringLiteral("No Product Pricing Found"));
    return *p;
}

const std::optional<ProductFacts::Sizes>& ProductFacts::sizes(int productID)
{
    auto it = sizes_.find(productID);
    if (it == sizes_.end()) {
        PreparedStatement& st = DbConnection.cached(
            QStringLiteral("SELECT ProductWidth, ProductDepth FROM Products WHERE ProductID = ? ORDER BY rowid"));
        st.bind(1, static_cast<long long>(productID));
        Recordset rs = DbConnection.query(st);
        std::optional<Sizes> s;
        if (!rs.eof())
            s = Sizes{rs.field(0), rs.field(1)};
        it = sizes_.insert(productID, s);
    }
    return *it;
}

const QString& ProductFacts::description(int productID)
{
    auto it = descriptions_.find(productID);
    if (it == descriptions_.end())
        it = descriptions_.insert(productID, ProductDescription(productID, true));
    return *it;
}

const QString& ProductFacts::wallName(std::int16_t wallID)
{
    auto it = wallNames_.find(wallID);
    if (it == wallNames_.end())
        it = wallNames_.insert(wallID, StoredWallName(wallID));
    return *it;
}

CapacityRows::CapacityRows(const char* table, const QStringList& fields)
{
    Recordset rs = DbConnection.query(QStringLiteral("SELECT ProductID, %1 FROM %2 ORDER BY rowid")
                                          .arg(fields.join(QStringLiteral(", ")), QLatin1String(table)));
    const int n = rs.fieldCount();
    for (; !rs.eof(); rs.moveNext()) {
        const Value id = rs.field(0);
        // A row matches a product when its ProductID equals the product's
        // whole number; any other ProductID matches none.
        if (id.isNull() || id.type() == Value::Type::Text)
            continue;
        const double d = id.toDouble();
        if (d != std::nearbyint(d) || std::fabs(d) > 2147483647.0)
            continue;
        std::vector<CapacityField> row;
        row.reserve(static_cast<std::size_t>(n - 1));
        for (int i = 1; i < n; ++i)
            row.emplace_back(rs.field(i));
        rows_[static_cast<int>(d)].push_back(std::move(row));
    }
}

const std::vector<std::vector<CapacityField>>& CapacityRows::of(int productID) const
{
    static const std::vector<std::vector<CapacityField>> kNone;
    const auto it = rows_.find(productID);
    return it == rows_.end() ? kNone : it->second;
}

}  // namespace dv
