#pragma once
#include <functional>

namespace dvtest {

// Runs every test named on the command line, each from the state a fresh
// program has; resetMore resets what the windows add to that state.
int runTests(int argc, char** argv, std::function<void()> resetMore = {});

}  // namespace dvtest
