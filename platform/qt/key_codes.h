// Keys between Qt's key events and the codes a KeyPress handler sees: 13 for Enter, 8 for
// Backspace, a character's own code for a key that types one.
#pragma once

#include <QKeyEvent>

namespace platform::qt {

// The code a key press hands to KeyPress, or 0 for a key the handler never sees (arrows, Tab,
// Delete, shortcuts with Ctrl): those go to the widget untouched.
int keyAsciiOf(const QKeyEvent& event);

// The key press that types `keyAscii`, as a keyboard delivers it.
QKeyEvent keyEventFor(int keyAscii);

}  // namespace platform::qt
