#include "base/line_rule.h"

#include "platform/forms/lists.h"

namespace base {

QStringList Lignes(const QString& texte) {
    QStringList lignes;
    qsizetype debut = 0;
    for (qsizetype i = 0; i < texte.size(); ++i) {
        if (texte[i] == u'\n') {
            // Only a carriage return is dropped: a line ended by a lone line feed (a base made
            // elsewhere) keeps its last character.
            const qsizetype fin = (i > debut && texte[i - 1] == u'\r') ? i - 1 : i;
            lignes << texte.mid(debut, fin - debut);
            debut = i + 1;
        }
    }
    return lignes;
}

void RemplitLignes(platform::forms::ListBox& liste, const QString& texte) {
    for (const QString& ligne : Lignes(texte)) {
        liste.AddItem(ligne);
    }
}

}  // namespace base
