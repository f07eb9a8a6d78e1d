// The main of the test programs that drive the real windows: a widget application on the X
// server of DISPLAY (tools/with_xvfb.sh gives each run one of its own), where windows take the
// focus as on a desktop, with Qt's French texts as the programs load them.
#include <gtest/gtest.h>

#include <QApplication>

#include "platform/qt/translations.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    platform::qt::installFrenchTranslations(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
