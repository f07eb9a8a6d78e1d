// Plays a scripted session on the headless desktop: one command a line, as a user would act,
// each action run through the session's event rules, the transcript printed as it goes.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

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
// line. The program folder defaults to the script's folder.
ScriptResult playScript(const QString& scriptPath, const std::function<void()>& start,
                        const std::function<void(const QString&)>& out);

// The whole of `--script FILE` for a program's main: plays it (starting Qt's offscreen platform
// itself), prints the transcript on standard output, and returns the exit code (0, or 1 with the
// failing line printed).
int runScriptMain(int argc, char** argv, const QString& scriptPath,
                  const std::function<void()>& start);

}  // namespace platform::headless
