#include "platform/desktop/session.h"

#include "platform/core/error.h"
#include "platform/data/database.h"
#include "platform/desktop/desktop.h"
#include "platform/forms/instances.h"

namespace platform::desktop {

namespace {
int depth = 0;  // nested actions: a repaint inside a long loop may deliver another event
bool ended = false;
}  // namespace

bool runEvent(const std::function<void()>& handler) {
    if (ended) {
        return false;
    }
    ++depth;
    bool endCalled = false;
    try {
        handler();
    } catch (const EndProgram&) {
        endCalled = true;
    } catch (const Error& e) {
        // What the handler wrote through an open recordset is undone, so no half-done change
        // reaches the base; the user is told and the session goes on.
        data::rollbackOpenRecordsets();
        desktop().messageBox(QStringLiteral("Erreur %1 : %2").arg(e.number()).arg(e.description()),
                             Buttons::OK, programTitle());
    }
    --depth;
    if (endCalled && depth > 0) {
        throw EndProgram{};  // let the outer action end the program
    }
    if (depth == 0) {
        forms::Instances::discardUnloaded();
        if (endCalled || forms::Instances::loaded().empty()) {
            forms::Instances::unloadAllSilently();
            forms::Instances::discardUnloaded();
            ended = true;
            desktop().programEnded();
        }
    }
    return !ended;
}

bool programHasEnded() {
    return ended;
}

void resetSession() {
    forms::Instances::reset();
    depth = 0;
    ended = false;
}

}  // namespace platform::desktop
