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

}  // namespace dv
