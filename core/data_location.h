#pragma once
// Where the program's files are: the files it is delivered with (the
// database, the pictures) and the database it works on.
//
// The build makes the delivered database in the folder "delivered" beside
// the executable; no run of the program writes it. Run from the build
// folder, the program works on a working copy beside the executable, made
// from the delivered one when it is missing (removing it starts again from
// the delivered data). Any other folder that holds Dorvane.dat and that the
// user may write to is worked on in place. Installed, the delivered files
// stand read-only under share/dorvane; the first start copies the delivered
// database into the user's data folder, and every later start, reset and
// compaction works on that copy. A newer delivered database never replaces
// a working copy: it holds the user's profiles and prices.
#include <QString>

namespace dv {

// The folder of the delivered files: the executable's folder when the
// database (or the build's folder "delivered" with it) stands beside it,
// else the installed data folder (share/dorvane beside the executable's bin
// folder).
QString DeliveredDataFolder(const QString& exeFolder);

// The database to work on, with the working copy made when it is missing;
// deliveredFrom (when given) receives the delivered database the copy is
// made from, empty when the database is worked on in place. Raises an
// AppError naming the files and what the user can do when no delivered
// database is found or the copy cannot be made; no half copy is left.
QString ChooseDatabasePath(const QString& exeFolder, QString* deliveredFrom = nullptr);

// The user's data folder: the user's copy of the database lives here.
QString UserDataFolder();

// The folder "Projects" beside the database in use (DatabasePath), created
// when missing; the project file dialogs start in it.
QString ProjectsFolder();

// The folder of the files the program is delivered with (its pictures):
// the executable's folder in a build, share/dorvane when installed.
QString programFolder();

}  // namespace dv
