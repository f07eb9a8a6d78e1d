// The rule that splits a multi-line field (ingredients, preparation) into the lines that the
// hidden line lists hold, and that the printed card and the text file read back.
#pragma once

#include <QString>
#include <QStringList>

namespace platform::forms {
class ListBox;
}

namespace base {

// The lines of `texte` that a line break ends: text after the last line feed is left out, so
// "a\r\nb" gives "a" alone and "a\r\nb\r\n" gives "a", "b". The carriage return before each line
// feed is dropped.
QStringList Lignes(const QString& texte);

// Appends the lines of `texte` to `liste`.
void RemplitLignes(platform::forms::ListBox& liste, const QString& texte);

}  // namespace base
