#pragma once
// Small readings the report bodies share: wall IDs of list rows and the
// amount texts of the quote.
#include "platform/money.h"

#include <QString>
#include <cstdint>

namespace dv {

// The wall ID of a wall list or report options row: a whole number within
// 16 bits, else AppError TypeMismatch (or Overflow beyond 16 bits).
std::int16_t ReportWallID(const QString& cell);

// "$" followed by the amount rounded to cents (halves to even) in the
// pattern "#######.00": "$1380.00", "$.50".
QString DollarText(Money amount);

}  // namespace dv
