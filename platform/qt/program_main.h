// The main of a program of this platform: `PROGRAM [FOLDER]` opens it on the Qt desktop with
// FOLDER as program folder (by default the executable's own folder); `PROGRAM --script FILE`
// plays a scripted session headlessly and prints its transcript; with `--desktop qt` it plays it
// on the real windows (an X server needed), and `--screenshots DIR` keeps a picture of each
// window a `show` prints.
#pragma once

#include <functional>

namespace platform::qt {

int runProgramMain(int argc, char** argv, const std::function<void()>& start);

}  // namespace platform::qt
