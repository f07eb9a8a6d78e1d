// Qt's own texts in French: the buttons of the message boxes ("Oui", "Non", "Annuler", "OK"),
// the file dialog, the context menus of the text boxes. Debian ships them in
// qt6-translations-l10n.
#pragma once

#include <QCoreApplication>

namespace platform::qt {

// Installs them on `app`; false, with a note on standard error, when they are not installed.
bool installFrenchTranslations(QCoreApplication& app);

}  // namespace platform::qt
