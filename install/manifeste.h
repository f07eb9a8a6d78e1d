// The manifest Lire.pie: a sequence of text fields, one entry each, told apart as the marker, a
// folder entry, a file entry (before the marker) or a shortcut entry (after it), and read by
// fixed columns.
#pragma once

#include <QString>
#include <QStringList>

namespace Manifeste {

// The entry that ends the copy section; the entries after it are shortcut entries.
inline const QString Marqueur = QStringLiteral("[ICONE]");

// What an entry of the copy section is, told apart in this order.
enum class Genre {
    Marqueur,  // exactly "[ICONE]"
    Dossier,   // its first five characters are "Mkdir"
    Fichier,   // anything else
};
Genre GenreDeLEntree(const QString& entree);

// A folder entry: the rest after "Mkdir", relative to the root of the target drive.
QString CheminDuDossier(const QString& entree);
// A file entry: the source is the first 20 characters, the destination (relative to the root of
// the target drive) the last 40, each without surrounding spaces.
QString SourceDuFichier(const QString& entree);
QString DestinationDuFichier(const QString& entree);
// A shortcut entry: the name is the first 40 characters, the target (relative to the root of
// the target drive) the last 40, each without surrounding spaces.
QString NomDuRaccourci(const QString& entree);
QString CibleDuRaccourci(const QString& entree);

// The entries after the first marker, whatever they hold; none without a marker.
QStringList EntreesDeRaccourci(const QStringList& entrees);

// Every field of a text file, in order, by the field rule: fields end at commas and line ends,
// leading spaces are skipped, a field opened by a double quote runs to the next one. A file
// that cannot be read raises the platform's error.
QStringList LireLesChamps(const QString& fichier);
// The first field of a text file, or an empty text when it has none or cannot be read.
QString PremierChamp(const QString& fichier);

// Whether a path of the manifest stays inside the Orvale folder of the target drive: relative,
// starting with Orvale, and every component a plain file name (no "..", no drive, no empty
// component). Whatever the manifest says, the installer writes nowhere else.
bool DansOrvale(const QString& chemin);

}  // namespace Manifeste
