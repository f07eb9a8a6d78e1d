#include "install/manifeste.h"

#include <QRegularExpression>

#include "platform/core/error.h"
#include "platform/core/text.h"
#include "platform/files/names.h"
#include "platform/files/text_file.h"

using platform::trimSpaces;

namespace Manifeste {

Genre GenreDeLEntree(const QString& entree) {
    if (entree == Marqueur) {
        return Genre::Marqueur;
    }
    if (entree.left(5) == QStringLiteral("Mkdir")) {
        return Genre::Dossier;
    }
    return Genre::Fichier;
}

QString CheminDuDossier(const QString& entree) {
    return trimSpaces(entree.mid(5));
}

QString SourceDuFichier(const QString& entree) {
    return trimSpaces(entree.left(20));
}

QString DestinationDuFichier(const QString& entree) {
    return trimSpaces(entree.right(40));
}

QString NomDuRaccourci(const QString& entree) {
    return trimSpaces(entree.left(40));
}

QString CibleDuRaccourci(const QString& entree) {
    return trimSpaces(entree.right(40));
}

QStringList EntreesDeRaccourci(const QStringList& entrees) {
    const qsizetype marqueur = entrees.indexOf(Marqueur);
    return marqueur < 0 ? QStringList() : entrees.mid(marqueur + 1);
}

QStringList LireLesChamps(const QString& fichier) {
    platform::files::TextFile texte(fichier, platform::files::OpenMode::Input);
    QStringList champs;
    while (!texte.atEnd()) {
        champs << texte.readField();
    }
    texte.close();
    return champs;
}

QString PremierChamp(const QString& fichier) {
    QString champ;
    platform::ignoreErrors([&] {
        platform::files::TextFile texte(fichier, platform::files::OpenMode::Input);
        champ = texte.readField();
    });
    return champ;
}

bool DansOrvale(const QString& chemin) {
    static const QRegularExpression separateur(QStringLiteral("[\\\\/]"));
    const QStringList parties = chemin.split(separateur);
    if (parties.first().compare(QStringLiteral("Orvale"), Qt::CaseInsensitive) != 0) {
        return false;
    }
    for (const QString& partie : parties) {
        if (!platform::files::isPlainFileName(partie)) {
            return false;
        }
    }
    return true;
}

}  // namespace Manifeste
