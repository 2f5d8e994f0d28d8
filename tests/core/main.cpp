// The tests of the database layer, the core and the engine: they link no
// widget library and run without a window system.
#include "tests/reset_state.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    return dvtest::runTests(argc, argv);
}
