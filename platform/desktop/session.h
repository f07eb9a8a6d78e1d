// One user action at a time: every event handler runs through runEvent, which keeps the promises
// the windows rely on — an error escaping a handler never ends the program, the windows unloaded
// during the action are discarded only once it is over, and the program ends when End was called
// or no window remains.
#pragma once

#include <functional>

namespace platform::desktop {

// Runs one handler as a user action. Returns false once the program has ended.
bool runEvent(const std::function<void()>& handler);

// Whether the program has ended (End, or no window left).
bool programHasEnded();
// For a new session (tests, a new script).
void resetSession();

}  // namespace platform::desktop
