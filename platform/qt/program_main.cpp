#include "platform/qt/program_main.h"

#include <QString>
#include <cstdio>
#include <filesystem>

#include "platform/files/names.h"
#include "platform/headless/script_player.h"
#include "platform/qt/desktop_main.h"
#include "platform/qt/script_main.h"

namespace platform::qt {

namespace {
QString executableFolder() {
    std::error_code error;
    const auto exe = std::filesystem::canonical("/proc/self/exe", error);
    return QString::fromStdString(error ? std::filesystem::current_path().string()
                                        : exe.parent_path().string());
}
}  // namespace

int runProgramMain(int argc, char** argv, const std::function<void()>& start) {
    QString script;
    QString desktop = QStringLiteral("headless");
    QString screenshots;
    QString folder = executableFolder();
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        const bool valued = i + 1 < argc;
        if (argument == QStringLiteral("--script") && valued) {
            script = QString::fromLocal8Bit(argv[++i]);
        } else if (argument == QStringLiteral("--desktop") && valued) {
            desktop = QString::fromLocal8Bit(argv[++i]);
        } else if (argument == QStringLiteral("--screenshots") && valued) {
            screenshots = QString::fromLocal8Bit(argv[++i]);
        } else {
            folder = argument;
        }
    }
    if (!script.isEmpty()) {
        if (desktop == QStringLiteral("qt")) {
            return runWidgetScriptMain(argc, argv, script, screenshots, start);
        }
        if (desktop != QStringLiteral("headless")) {
            std::fprintf(stderr, "--desktop headless ou --desktop qt\n");
            return 2;
        }
        return headless::runScriptMain(argc, argv, script, start);
    }
    files::setProgramFolder(folder);
    return runDesktopMain(argc, argv, start);
}

}  // namespace platform::qt
