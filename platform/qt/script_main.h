// `PROGRAM --script FILE --desktop qt`: the script played on the real Qt windows, under the X
// server of DISPLAY (tools/with_xvfb.sh starts one of its own), with the same transcript on
// standard output as the headless run.
#pragma once

#include <QString>
#include <functional>

namespace platform::qt {

// Screenshots of each `show` go to `screenshots` when it is not empty. Returns the exit code.
int runWidgetScriptMain(int argc, char** argv, const QString& scriptPath,
                        const QString& screenshots, const std::function<void()>& start);

}  // namespace platform::qt
