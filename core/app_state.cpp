#include "core/app_state.h"
#include "platform/db_password.h"

namespace dv {

Connection DbConnection;
QString SqlText;
QString DatabasePath;
std::int16_t CurrentWallID = 0;
QString WallCompleteText;
std::int16_t gLabelLeft = 0;
QString gTempText;
std::int16_t PreferencesMode = 0;
bool ReportPrinted = false;

void OpenDatabase() { DbConnection.open(DatabasePath, databasePassword()); }

}  // namespace dv
