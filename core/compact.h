#pragma once
#include "platform/db.h"

#include <QString>

namespace dv {

// Compacts the database file SourceFile into DestFile; an empty DestFile, or
// one naming the source, compacts in place through the temporary file
// "dbCompact.mdb" in the same folder. The compacted file keeps the program's
// password. Returns true; every failure raises an AppError whose source ends
// in "-->CJetDB.Compact". The original file is never lost: in place, it is
// replaced only by a complete, verified copy.
bool Compact(const QString& SourceFile, const QString& DestFile, bool Overwrite);

// Compacts in place the database file that `open` has open, reading it
// through that connection rather than opening it again, as Compact does
// with an empty DestFile. The connection is closed afterwards, whether the
// compaction succeeded or not.
bool CompactInPlace(Connection& open);

// Error numbers of the compaction: the object-error base plus an offset.
namespace compact_err {
constexpr long ReadOnly = -2147220989;
constexpr long AlreadyExists = -2147220986;
constexpr long NotFound = -2147220985;
}

}  // namespace dv
