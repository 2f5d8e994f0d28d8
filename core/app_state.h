#pragma once
// State shared by every window and routine for the whole run.
#include "platform/db.h"

#include <QString>
#include <cstdint>

namespace dv {

extern Connection DbConnection;   // the one connection to the database file
extern QString SqlText;           // the statement being built; means nothing between routines
extern QString DatabasePath;      // the database in use: beside the program, or the user's copy
extern std::int16_t CurrentWallID;
extern std::int16_t gLabelLeft;   // left position left by CenterLabelLeft
extern QString gTempText;
extern std::int16_t PreferencesMode;
extern bool ReportPrinted;

// Opens DbConnection on DatabasePath with the program's password.
void OpenDatabase();

}  // namespace dv
