#pragma once
// The program's title and version, as the window captions show them.
#include <QString>

namespace dv {

QString appTitle();
// Major, minor and revision joined by ".".
QString appVersionText();

}  // namespace dv
