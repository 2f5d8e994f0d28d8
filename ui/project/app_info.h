#pragma once
// The program's title and version, as the window captions show them.
#include <QString>

namespace dv {

QString appTitle();
// Major, minor and revision joined by ".".
QString appVersionText();
// The folder of the files the program is delivered with (its pictures):
// the executable's folder in a build, share/dorvane when installed.
QString programFolder();

}  // namespace dv
