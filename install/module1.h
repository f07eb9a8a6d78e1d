// The installer's module: the special folder of the shell, and the two helpers of the shortcut
// phase (the path shown on four lines, the pause before each shortcut).
#pragma once

#include <QString>

namespace Module1 {

// The path of special folder `csidl` of the shell (2: the user's Start-menu programs folder), or
// an empty text when the shell cannot give it.
QString DossierSpecial(int csidl);

// A path shown on four lines joined by CR LF: characters 1 to 23, 24 to 49, 50 to 76 and 77 to
// the end; the pieces beyond the path's end are empty.
QString EnQuatreLignes(const QString& chemin);

// Lets the window repaint until `secondes` have passed on a clock that does not wrap at midnight.
void Patiente(double secondes);

}  // namespace Module1
