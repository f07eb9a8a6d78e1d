// A session of the windows on the headless desktop for one test: message boxes are answered OK
// and every line of the transcript is kept; the session starts afresh and ends with the object.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "platform/desktop/session.h"
#include "platform/headless/headless_desktop.h"

namespace test_support {

class HeadlessSession {
public:
    HeadlessSession() {
        platform::desktop::resetSession();
        platform::desktop::setDesktop(&desktop);
    }
    ~HeadlessSession() {
        platform::desktop::resetSession();
        platform::desktop::setDesktop(nullptr);
    }
    HeadlessSession(const HeadlessSession&) = delete;
    HeadlessSession& operator=(const HeadlessSession&) = delete;

    // Runs `handler` as one user action.
    static void act(const std::function<void()>& handler) { platform::desktop::runEvent(handler); }

    QStringList lines;  // the transcript: message boxes, windows shown, hidden and unloaded
    platform::headless::Transcript transcript{[this](const QString& l) { lines << l; }};
    platform::headless::HeadlessDesktop desktop{transcript};
};

}  // namespace test_support
