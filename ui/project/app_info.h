#pragma once
// The program's title and version, as the window captions show them.
#include <QString>

namespace dv {

QString appTitle();
// Major, minor and revision joined by ".".
QString appVersionText();
// The folder of the executable: the database, the pictures and the
// "Projects" folder are found from here.
QString programFolder();

}  // namespace dv
