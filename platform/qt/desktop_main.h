// The start of a real session on the Qt desktop.
#pragma once

#include <functional>

namespace platform::qt {

// Creates the application, installs the Qt desktop and the session's printer, runs `start` as
// the first event and then the event loop; returns the exit code.
int runDesktopMain(int argc, char** argv, const std::function<void()>& start);

}  // namespace platform::qt
