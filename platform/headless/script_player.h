// Plays a scripted session: one command a line, as a user would act, each action run through
// the session's event rules, the transcript printed as it goes. The commands reach the windows
// through a driver: on the headless desktop by default, or as input events on the Qt windows.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "platform/headless/script_driver.h"

namespace platform::headless {

struct ScriptResult {
    bool ok = true;      // every line ran
    int failedLine = 0;  // 1-based line that failed, when not ok
    QString message;     // why it failed
};

// Splits one script line into words; double quotes group a word, where \n is a line break
// (CR LF in a box), \" a quote and \\ a backslash. `#` outside quotes starts a comment.
QStringList scriptWords(const QString& line, bool* ok = nullptr);

// Plays `scriptPath`. `start` loads the program's first window; `out` receives each transcript
// line. The program folder defaults to the script's folder. Without `driver`, the session plays
// on the headless desktop.
ScriptResult playScript(const QString& scriptPath, const std::function<void()>& start,
                        const std::function<void(const QString&)>& out,
                        const DriverFactory& driver = {});

// Plays `scriptPath` with the transcript on standard output; returns the exit code (0, or 1 with
// the failing line printed). The application must exist.
int playToStandardOutput(const QString& scriptPath, const std::function<void()>& start,
                         const DriverFactory& driver = {});

// The whole of `--script FILE` for a program's main: plays it headlessly (starting Qt's offscreen
// platform itself) and returns the exit code.
int runScriptMain(int argc, char** argv, const QString& scriptPath,
                  const std::function<void()>& start);

// A session without a desktop session (CI, a terminal) has no XDG_RUNTIME_DIR; Qt would warn
// on stderr. Gives it a private one.
void ensureRuntimeFolder();

}  // namespace platform::headless
