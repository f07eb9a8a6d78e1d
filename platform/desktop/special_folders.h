// The special folders of the desktop shell, asked for by their original numbers. On a freedesktop
// desktop the Start menu's programs folder is the applications folder of the XDG data home.
#pragma once

#include <QString>

namespace platform::desktop {

// The user's Start-menu programs folder: $XDG_DATA_HOME/applications (by default
// ~/.local/share/applications), where desktop entries make menu items.
constexpr int CSIDL_PROGRAMS = 2;

// The Windows-style name of special folder `csidl` (a POSIX path when no drive holds it). A
// missing folder is created first (private to the user, as the XDG rules ask), so that what is
// returned exists. Empty when the desktop has no such folder or it cannot be created.
QString specialFolder(int csidl);

}  // namespace platform::desktop
