// The Qt desktop of this machine with the screen of a 1024 x 768 monitor, whatever the display:
// the windows' scaling and the screenshots do not depend on where the tests run.
#pragma once

#include "platform/qt/qt_desktop.h"

namespace test_support {

class Ecran1024 : public platform::qt::QtDesktop {
public:
    double screenWidth() const override { return 1024 * 15; }
    double screenHeight() const override { return 768 * 15; }
};

}  // namespace test_support
