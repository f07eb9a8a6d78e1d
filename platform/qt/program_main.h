// The main of a program of this platform: `PROGRAM [FOLDER]` opens it on the Qt desktop with
// FOLDER as program folder (by default the executable's own folder); `PROGRAM --script FILE`
// plays a scripted session headlessly and prints its transcript.
#pragma once

#include <functional>

namespace platform::qt {

int runProgramMain(int argc, char** argv, const std::function<void()>& start);

}  // namespace platform::qt
