#include "platform/qt/script_main.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>

#include "platform/headless/script_player.h"
#include "platform/qt/translations.h"
#include "platform/qt/widget_driver.h"

namespace platform::qt {

int runWidgetScriptMain(int argc, char** argv, const QString& scriptPath,
                        const QString& screenshots, const std::function<void()>& start) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fprintf(stderr,
                     "--desktop qt joue le script sur un serveur X : DISPLAY n'est pas défini "
                     "(tools/with_xvfb.sh en démarre un).\n");
        return 2;
    }
    headless::ensureRuntimeFolder();
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    installFrenchTranslations(app);
    const QString scenario = QFileInfo(scriptPath).completeBaseName();
    return headless::playToStandardOutput(scriptPath, start, [&](headless::Transcript& transcript) {
        return std::make_unique<WidgetDriver>(transcript, scenario, screenshots);
    });
}

}  // namespace platform::qt
