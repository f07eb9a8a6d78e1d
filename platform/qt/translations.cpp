#include "platform/qt/translations.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>

namespace platform::qt {

bool installFrenchTranslations(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    // The program speaks French whatever language the session is set to.
    if (!translator->load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"),
                          QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        std::fprintf(stderr,
                     "Traductions françaises de Qt introuvables (paquet qt6-translations-l10n) : "
                     "les boutons standard resteront en anglais.\n");
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace platform::qt
