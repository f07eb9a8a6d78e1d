// The walks of the recipe table, written as the windows write them, give the same results on a
// base with the template's indexes (columns read at once from an index) and on the same base
// without them (one lookup per record): the same records, in stored order, the same values.
#include <gtest/gtest.h>

#include <optional>

#include "base/catalogue.h"
#include "base/recipe_table.h"
#include "fixture.h"
#include "platform/core/text.h"
#include "platform/data/database.h"
#include "shell/donnees.h"
#include "sqlite_fixture.h"

namespace {

using namespace Donnees;

struct Recette {
    long long numero;
    const char* categorie;
    std::optional<const char*> titre;  // none: a record without a title
};

// Accented, duplicate, empty and missing titles among plain ones, in several categories; enough
// records in each walked set for the walk to read its columns at once.
std::vector<Recette> recettes() {
    std::vector<Recette> r = {
        {1, "AGN", "GIGOT D'AGNEAU"},   {2, "DES", "CRÈME BRÛLÉE"},
        {3, "DES", "CREME ANGLAISE"},   {4, "DES", "TARTE AUX POMMES"},
        {5, "DES", "TARTELETTE"},       {6, "LEG", "POMMES AU FOUR"},
        {7, "DES", "TARTE AUX POMMES"}, {8, "AGN", ""},
        {9, "AGN", std::nullopt},       {10, "VER", "ÉCLAIR"},
        {11, "des", "tarte"},
    };
    static std::vector<QByteArray> titres;
    const char* categories[] = {"AGN", "DES", "LEG"};
    for (int i = 12; i <= 60; ++i) {
        titres.push_back(QStringLiteral("RECETTE %1").arg(100 - i).toUtf8());
        r.push_back({i, categories[i % 3], titres.back().constData()});
    }
    return r;
}

void fabrique(const QString& path, bool withIndexes) {
    test_support::FixtureConnection c(path);
    c.exec(test_support::cuisineSchema());
    if (!withIndexes) {
        c.exec(QStringLiteral("DROP INDEX Cuisine_Titre; DROP INDEX Cuisine_Categorie"));
    }
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(c.handle(),
                       "INSERT INTO Cuisine (Numero, Categorie, Titre, Difficulte, Ingrediant, "
                       "Preparation) VALUES (?1, ?2, ?3, 'a', 'sel\r\n', 'Cuire.\r\n')",
                       -1, &insert, nullptr);
    for (const Recette& r : recettes()) {
        sqlite3_bind_int64(insert, 1, r.numero);
        sqlite3_bind_text(insert, 2, r.categorie, -1, SQLITE_STATIC);
        if (r.titre) {
            sqlite3_bind_text(insert, 3, *r.titre, -1, SQLITE_STATIC);
        } else {
            sqlite3_bind_null(insert, 3);
        }
        EXPECT_EQ(sqlite3_step(insert), SQLITE_DONE);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
}

void ouvre(const QString& requete) {
    Requete = requete;
    Rs = Db.OpenRecordset(Requete);
}

void ferme() {
    Rs.Close();
    Rs = {};
}

QString champ(const char* nom) {
    return Rs.Fields(QString::fromUtf8(nom)).Value().toText();
}

// The editor's list of one category: number and title of each record.
QStringList liste(const QString& code) {
    QStringList lignes;
    ouvre(base::RequeteCategorie(code));
    base::CompteRecettes();
    for (Indice = 0; Indice <= NbRecettes; Indice = Indice + 1) {
        lignes << champ("Numero") + u'|' + champ("Titre");
        Rs.MoveNext();
    }
    ferme();
    return lignes;
}

// The word search's loop: every title of the whole table that holds the run of characters
// `mot` exactly (InStr), with number and category name.
QStringList recherche(const QString& mot) {
    QStringList trouves;
    ouvre(base::RequeteToutes());
    base::CompteRecettes();
    for (Indice = 0; Indice <= NbRecettes; Indice = Indice + 1) {
        const QString titre = champ("Titre");
        if (!titre.isEmpty() && titre.contains(mot, Qt::CaseSensitive)) {
            base::ChercheLibelle(champ("Categorie"));
            trouves << champ("Numero") + u'|' + LibCategorie + u'|' + titre;
        }
        Rs.MoveNext();
    }
    ferme();
    return trouves;
}

// Every walk, each line saying what it found.
QStringList parcours() {
    QStringList t;
    for (const char* code : {"AGN", "DES", "LEG", "VER", "des", "XXX"}) {
        t << QStringLiteral("liste %1: ").arg(code) + liste(QString::fromUtf8(code)).join(u',');
    }
    for (const char* titre :
         {"Tarte aux pommes", "tarte", "crème brûlée", "", "ÉCLAIR ", "recette 33", "RECETTE 99"}) {
        ouvre(base::RequeteToutes());
        const bool existe = base::TitreExiste(QString::fromUtf8(titre));
        t << QStringLiteral("titre %1: %2 %3 %4").arg(titre).arg(existe).arg(Indice).arg(Nom);
        ferme();
    }
    for (const char* requete : {"Select * from Cuisine",
                                "Select * from Cuisine WHERE "
                                "Categorie='DES'"}) {
        for (const char* titre : {"TARTE AUX POMMES", "", "RECETTE 40", "tarte"}) {
            ouvre(QString::fromUtf8(requete));
            const bool trouve = base::TrouveTitre(QString::fromUtf8(titre));
            t << QStringLiteral("par titre %1: %2 %3 %4")
                     .arg(titre)
                     .arg(trouve)
                     .arg(Indice)
                     .arg(trouve ? champ("Numero") : QString());
            ferme();
        }
    }
    for (int numero : {1, 9, 60, 61}) {
        ouvre(base::RequeteToutes());
        NumFiche = numero;
        const bool trouve = base::TrouveNumero();
        t << QStringLiteral("par numéro %1: %2 %3 %4")
                 .arg(numero)
                 .arg(trouve)
                 .arg(Indice)
                 .arg(trouve ? champ("Titre") : QString());
        ferme();
    }
    for (const char* mot : {" pomme ", "crème", "", "É", "tarte", "zzz"}) {
        const QString selection = platform::upperCase(platform::trimSpaces(QString::fromUtf8(mot)));
        t << QStringLiteral("recherche %1: ").arg(selection) + recherche(selection).join(u',');
    }
    // The comparison itself is exact: letter case counts.
    t << QStringLiteral("exacte tarte: ") + recherche(QStringLiteral("tarte")).join(u',');
    return t;
}

class WalksTest : public base_test::BaseTest {
protected:
    // Runs every walk on a fresh base; tells whether some column was read at once.
    QStringList walks(bool withIndexes, bool* atOnce) {
        const QString file = path(withIndexes ? "INDEX.mdb" : "SANS.mdb");
        fabrique(file, withIndexes);
        const long before = platform::data::readCounts().columnsAtOnce;
        Db = platform::data::DBEngine::OpenDatabase(file);
        const QStringList result = parcours();
        Db.Close();
        *atOnce = platform::data::readCounts().columnsAtOnce > before;
        return result;
    }
};

TEST_F(WalksTest, indexed_walks_find_what_plain_walks_find) {
    bool indexedAtOnce = false;
    bool plainAtOnce = false;
    const QStringList indexed = walks(true, &indexedAtOnce);
    const QStringList plain = walks(false, &plainAtOnce);
    EXPECT_TRUE(indexedAtOnce);
    EXPECT_FALSE(plainAtOnce);
    ASSERT_EQ(indexed.size(), plain.size());
    for (qsizetype i = 0; i < plain.size(); ++i) {
        EXPECT_EQ(indexed[i], plain[i]);
    }

    // A few of them as the windows must show them (1 found, 0 not found).
    const QStringList attendus = {
        QString::fromUtf8("recherche POMME: 4|DESSERT|TARTE AUX POMMES,6|LEGUME|POMMES AU FOUR,"
                          "7|DESSERT|TARTE AUX POMMES"),
        QString::fromUtf8("recherche CRÈME: 2|DESSERT|CRÈME BRÛLÉE"),
        QString::fromUtf8("exacte tarte: 11|DESSERT|tarte"),
        QString::fromUtf8("titre Tarte aux pommes: 1 3 TARTE AUX POMMES"),
        QString::fromUtf8("titre crème brûlée: 1 1 CRÈME BRÛLÉE"),
        QString::fromUtf8("par titre TARTE AUX POMMES: 1 3 4"),
        QString::fromUtf8("par titre TARTE AUX POMMES: 1 2 4"),
        QString::fromUtf8("par titre : 1 7 8"),
        QString::fromUtf8("par numéro 61: 0 60 "),
    };
    for (const QString& attendu : attendus) {
        EXPECT_TRUE(plain.contains(attendu)) << attendu.toStdString();
    }
    const QString vide = plain.filter(QStringLiteral("recherche : ")).value(0);
    EXPECT_EQ(vide.count(u','), 60 - 2 - 1) << "every title but the empty and the missing one";
}

}  // namespace
