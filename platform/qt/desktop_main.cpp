#include "platform/qt/desktop_main.h"

#include <QApplication>

#include "platform/desktop/session.h"
#include "platform/printer/printer.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/session_printer.h"
#include "platform/qt/translations.h"

namespace platform::qt {

int runDesktopMain(int argc, char** argv, const std::function<void()>& start) {
    QApplication app(argc, argv);
    // The program ends when its forms say so, not when its last window is hidden or closed.
    QApplication::setQuitOnLastWindowClosed(false);
    installFrenchTranslations(app);
    int code = 0;
    {
        QtDesktop qtDesktop;
        desktop::setDesktop(&qtDesktop);
        printer::printer().setSink(chooseSessionSink());
        qtDesktop.runUserAction(start);
        if (!desktop::programHasEnded()) {
            code = QApplication::exec();
        }
        desktop::setDesktop(nullptr);
    }
    return code;
}

}  // namespace platform::qt
