#include "install/module1.h"

#include <chrono>
#include <thread>

#include "platform/desktop/desktop.h"
#include "platform/desktop/special_folders.h"
#include "platform/files/clock.h"

namespace Module1 {

QString DossierSpecial(int csidl) {
    return platform::desktop::specialFolder(csidl);
}

QString EnQuatreLignes(const QString& chemin) {
    const QString crlf = QStringLiteral("\r\n");
    return chemin.mid(0, 23) + crlf + chemin.mid(23, 26) + crlf + chemin.mid(49, 27) + crlf +
           chemin.mid(76);
}

void Patiente(double secondes) {
    const double debut = platform::files::elapsedSeconds();
    while (platform::files::elapsedSeconds() - debut < secondes) {
        platform::desktop::DoEvents();
        // The window stays responsive without keeping a processor busy.
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

}  // namespace Module1
