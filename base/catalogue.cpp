#include "base/catalogue.h"

#include <algorithm>

#include "shell/donnees.h"

namespace base {

namespace {

constexpr std::array<std::size_t, NbGroupes> indicesListe() {
    std::array<std::size_t, NbGroupes> indices{};
    std::size_t rempli = 0;
    for (int position = 1; position <= static_cast<int>(NbGroupes); ++position) {
        for (std::size_t i = 0; i < Catalogue.size(); ++i) {
            if (Catalogue[i].position == position) {
                indices[rempli++] = i;
            }
        }
    }
    // Each position 1..24 held by exactly one row, or the listing would skip or repeat a group.
    if (rempli != NbGroupes) {
        throw "the listing positions must be 1..24, once each";
    }
    return indices;
}

constexpr std::array<std::size_t, NbGroupes> IndicesListe = indicesListe();

}  // namespace

const std::array<const Categorie*, NbGroupes>& OrdreListe() {
    static const std::array<const Categorie*, NbGroupes> ordre = [] {
        std::array<const Categorie*, NbGroupes> lignes{};
        std::transform(IndicesListe.begin(), IndicesListe.end(), lignes.begin(),
                       [](std::size_t i) { return &Catalogue[i]; });
        return lignes;
    }();
    return ordre;
}

const Categorie* CategorieDuCode(QStringView code) {
    const auto found = std::find_if(Catalogue.begin(), Catalogue.end(),
                                    [&](const Categorie& c) { return c.code == code; });
    return found == Catalogue.end() ? nullptr : &*found;
}

void ChercheLibelle(QStringView code) {
    if (const Categorie* categorie = CategorieDuCode(code)) {
        Donnees::LibCategorie = categorie->libelle.toString();
    }
}

bool EstLibelle(QStringView texte) {
    return std::any_of(Catalogue.begin(), Catalogue.end(),
                       [&](const Categorie& c) { return c.libelle == texte; });
}

QString RequeteToutes() {
    return QStringLiteral("Select * from Cuisine");
}

QString RequeteCategorie(const QString& code) {
    // The code goes into the SQL text: a quote is doubled so that a code that is not from the
    // catalogue can only fail to match, never change the query. Catalogue codes hold none.
    QString echappe = code;
    echappe.replace(u'\'', QStringLiteral("''"));
    return QStringLiteral("Select * from Cuisine WHERE Categorie='") + echappe + u'\'';
}

}  // namespace base
