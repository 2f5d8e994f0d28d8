#pragma once
// Where the program's files are: the files it is delivered with (the
// database, the pictures) and the database it works on.
//
// Run from a folder that holds the delivered database and that the user may
// write to (a build folder), the program works on that database in place.
// Installed, its delivered files stand read-only under share/dorvane; the
// first start then copies the delivered database into the user's data
// folder, and every later start, reset and compaction works on that copy. A
// newer delivered database never replaces the user's copy: it holds the
// user's profiles and prices.
#include <QString>

namespace dv {

// The folder of the delivered files: the executable's folder when the
// database stands beside it, else the installed data folder (share/dorvane
// beside the executable's bin folder).
QString DeliveredDataFolder(const QString& exeFolder);

// The database to work on, with the user's copy made when it is missing.
// When no delivered database is found, the path beside the executable, so
// that the start reports it missing. Raises an AppError naming the file and
// the cause when the user's copy cannot be made; no half copy is left.
QString ChooseDatabasePath(const QString& exeFolder);

// The user's data folder: the user's copy of the database lives here.
QString UserDataFolder();

// The folder "Projects" beside the database in use (DatabasePath), created
// when missing; the project file dialogs start in it.
QString ProjectsFolder();

// The folder of the files the program is delivered with (its pictures):
// the executable's folder in a build, share/dorvane when installed.
QString programFolder();

}  // namespace dv
