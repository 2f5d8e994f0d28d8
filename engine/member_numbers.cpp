#include "engine/member_numbers.h"
#include "core/app_state.h"
#include "platform/app_error.h"
#include "platform/db.h"
#include "platform/numbers.h"

namespace dv {

std::int16_t MemberNumberOf(const QString& id, int prefixLength)
{
    double n = 0;
    if (!parseStrictNumber(id.mid(prefixLength).trimmed(), &n))
        throw AppError(err::TypeMismatch, QStringLiteral("'%1' does not end in a member number.").arg(id));
    return toInt16(n);
}

bool SumMaterialRows(const QString& memberType, int wallWidth, std::int16_t wallID, Money* sum)
{
    PreparedStatement& st = DbConnection.cached(QStringLiteral(
        "SELECT TotalPrice FROM Material_List WHERE MemberType = ? COLLATE NOCASE AND WallWidth = ? AND WallID = ? ORDER BY rowid"));
    st.bind(1, memberType).bind(2, static_cast<long long>(wallWidth)).bind(3, static_cast<long long>(wallID));
    Recordset rs = DbConnection.query(st);
    if (rs.eof())
        return false;
    Money total;
    while (!rs.eof()) {
        total += rs.field(0).toMoney();
        rs.moveNext();
    }
    *sum = total;
    return true;
}

}  // namespace dv
