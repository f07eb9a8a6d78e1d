// The transcript of a scripted session: the lines the headless desktop and the script player
// print, one per event, in the order the events happen.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace platform::headless {

class Transcript {
public:
    // Lines go to `out` as they come (standard output for the player, a list in tests).
    explicit Transcript(std::function<void(const QString&)> out) : out_(std::move(out)) {}
    void line(const QString& text) { out_(text); }

private:
    std::function<void(const QString&)> out_;
};

// A text between double quotes, with \" \\ and \n (for a CR LF or a lone line break) escaped, so
// that every transcript line stays one line.
QString quoted(const QString& text);

// A path inside the program folder shown relative to it (whichever separator follows the
// folder), so that transcripts do not depend on where they run.
QString shownPath(const QString& path);

}  // namespace platform::headless
