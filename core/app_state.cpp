#include "core/app_state.h"
#include "platform/app_error.h"
#include "platform/db_password.h"

namespace dv {

Connection DbConnection;
QString DatabasePath;
std::int16_t CurrentWallID = 0;
std::int16_t PreferencesMode = 0;
bool ReportPrinted = false;

void OpenDatabase()
{
    DbConnection.open(DatabasePath, databasePassword());
    // An empty file opens as an empty database: refuse it here rather than
    // fail later on a missing table.
    Recordset rs = DbConnection.query(QStringLiteral("SELECT count(*) FROM sqlite_master"));
    const bool empty = rs.field(0).toInt32() == 0;
    rs.close();
    if (empty) {
        DbConnection.close();
        throw AppError(err::Database + 26,
                       QStringLiteral("The database file '%1' holds none of the program's tables.").arg(DatabasePath));
    }
    // A calculation writes its candidate tables and reads them back in one
    // transaction: tens of megabytes on a large project. Pages that stay in
    // memory are not encrypted, written and read back until the commit.
    DbConnection.execute(QStringLiteral("PRAGMA cache_size = -131072"));
    // Freed pages stay encrypted on disk: overwriting each with zeros would
    // make emptying the scratch tables cost as much as filling them.
    DbConnection.execute(QStringLiteral("PRAGMA secure_delete = OFF"));
}

}  // namespace dv
