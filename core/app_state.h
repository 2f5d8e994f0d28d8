#pragma once
// State shared by every window and routine for the whole run.
#include "platform/db.h"

#include <QString>
#include <cstdint>

namespace dv {

// The one connection to the database file: opened by the start-up and the
// compaction, used by every window and step.
extern Connection DbConnection;
// The database in use (beside the program, or the user's copy): written by
// the start-up, read by the compaction, project files and folder look-ups.
extern QString DatabasePath;
// The wall being worked on: written by the wall list, the calculation's wall
// walk, project reset and load and the report options; read by the steps.
extern std::int16_t CurrentWallID;
// How the preferences window opens: set by the project window as it opens
// them to manage the profiles.
extern std::int16_t PreferencesMode;
// A report went to the printer or a file: written by the report routines,
// read by the report options window as it closes.
extern bool ReportPrinted;

// Opens DbConnection on DatabasePath with the program's password.
void OpenDatabase();

}  // namespace dv
