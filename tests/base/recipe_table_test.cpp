#include <gtest/gtest.h>

#include <QFile>
#include <functional>
#include "error_number.h"

#include "base/catalogue.h"
#include "base/recipe_table.h"
#include "fixture.h"
#include "platform/core/error.h"
#include "platform/data/database.h"
#include "shell/donnees.h"

namespace {

using base_test::Fiche;
using base_test::numerotees;
using Donnees::NbRecettes;
using Donnees::Rs;
using test_support::errorNumber;

class RecipeTableTest : public base_test::BaseTest {};

TEST_F(RecipeTableTest, counting_gives_the_index_of_the_last_record_and_returns_to_the_first) {
    for (int n : {0, 1, 6}) {
        SCOPED_TRACE(n);
        makeBase(numerotees(n));
        open(base::RequeteToutes());
        NbRecettes = 99;
        base::CompteRecettes();
        EXPECT_EQ(NbRecettes, n - 1);
        if (n > 0) {
            EXPECT_EQ(Rs("Numero").Value().toLongLong(), 1);
        }
        Rs.Close();
        Donnees::Db.Close();
        QFile::remove(basePath());
    }
}

TEST_F(RecipeTableTest, counting_lets_errors_other_than_the_empty_set_through) {
    makeBase(numerotees(2));
    open(base::RequeteToutes());
    Rs.Close();
    EXPECT_EQ(errorNumber([] { base::CompteRecettes(); }), platform::err::ObjectNotSet);
}

TEST_F(RecipeTableTest, a_category_set_counts_only_its_records) {
    makeBase({{1, "AGN", "A"}, {2, "MAG", "B"}, {3, "AGN", "C"}, {4, "agn", "D"}});
    open(base::RequeteCategorie(QStringLiteral("AGN")));
    base::CompteRecettes();
    EXPECT_EQ(NbRecettes, 1);
    Rs.Close();
    open(base::RequeteCategorie(QStringLiteral("AGN' OR '1'='1")));
    base::CompteRecettes();
    EXPECT_EQ(NbRecettes, -1);
}

TEST_F(RecipeTableTest, a_new_recipe_takes_one_more_than_the_last_number) {
    struct Cas {
        std::vector<Fiche> fiches;
        long long attendu;
    };
    const std::vector<Cas> cas = {
        {{}, 1},
        {numerotees(5), 6},
        // The last record decides, not the highest number.
        {{{7, "AGN", "A"}, {3, "AGN", "B"}}, 4},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.attendu);
        makeBase(c.fiches);
        open(base::RequeteToutes());
        NbRecettes = 42;
        base::NumeroNouvelleRecette();
        EXPECT_EQ(NbRecettes, c.attendu);
        Rs.Close();
        Donnees::Db.Close();
        QFile::remove(basePath());
    }
}

TEST_F(RecipeTableTest, no_number_past_32767) {
    makeBase({{32767, "AGN", "A"}});
    open(base::RequeteToutes());
    EXPECT_EQ(errorNumber([] { base::NumeroNouvelleRecette(); }), platform::err::Overflow);
}

TEST_F(RecipeTableTest, the_title_check_compares_the_upper_cased_title_with_every_stored_title) {
    makeBase({{1, "AGN", "GIGOT"},
              {2, "DES", "TARTE"},
              {3, "DES", "CRÈME BRÛLÉE"},
              {4, "DES", "ÉCLAIR"}});
    struct Cas {
        const char* titre;
        bool existe;
    };
    const Cas cas[] = {
        {"Tarte", true},   {"TARTE", true},   {"tarte", true},   {"TARTE ", false},
        {" TARTE", false}, {"TARTES", false}, {"gigot", true},   {"crème brûlée", true},
        {"éclair", true},  {"", false},       {"ECLAIR", false},
    };
    open(base::RequeteToutes());
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.titre);
        EXPECT_EQ(base::TitreExiste(QString::fromUtf8(c.titre)), c.existe);
    }
    // It stops on the record found.
    ASSERT_TRUE(base::TitreExiste(QStringLiteral("Tarte")));
    EXPECT_EQ(Donnees::Indice, 1);
    EXPECT_EQ(Donnees::Nom, QStringLiteral("TARTE"));
    EXPECT_EQ(Rs("Numero").Value().toLongLong(), 2);
}

TEST_F(RecipeTableTest, the_title_check_on_an_empty_table_finds_nothing) {
    makeBase({});
    open(base::RequeteToutes());
    EXPECT_FALSE(base::TitreExiste(QStringLiteral("TARTE")));
}

TEST_F(RecipeTableTest, finding_by_number_stops_on_the_record_or_ends_past_the_last) {
    makeBase({{1, "AGN", "A"}, {2, "MAG", "B"}, {3, "AGN", "C"}});
    open(base::RequeteToutes());
    Donnees::NumFiche = 2;
    ASSERT_TRUE(base::TrouveNumero());
    EXPECT_EQ(Rs("Titre").Value().toText(), QStringLiteral("B"));
    EXPECT_EQ(Donnees::Indice, 1);

    Donnees::NumFiche = 9;
    EXPECT_FALSE(base::TrouveNumero());
    EXPECT_TRUE(Rs.Eof());
    Rs.Close();

    // A number no longer there changes nothing.
    EXPECT_EQ(readBack(), (std::vector<Fiche>{{1, "AGN", "A"}, {2, "MAG", "B"}, {3, "AGN", "C"}}));
}

TEST_F(RecipeTableTest, finding_by_title_walks_the_category_set) {
    makeBase({{1, "AGN", "A"}, {2, "MAG", "B"}, {3, "AGN", "B"}, {4, "AGN", "C"}});
    open(base::RequeteCategorie(QStringLiteral("AGN")));
    ASSERT_TRUE(base::TrouveTitre(QStringLiteral("B")));
    EXPECT_EQ(Rs("Numero").Value().toLongLong(), 3);
    EXPECT_EQ(Donnees::Indice + 1, 2);  // its place within the category
    EXPECT_FALSE(base::TrouveTitre(QStringLiteral("b")));
    Rs.Close();

    open(base::RequeteCategorie(QStringLiteral("VER")));
    EXPECT_FALSE(base::TrouveTitre(QStringLiteral("A")));
}

// Deletes the record numbered `numero`, as the editor does, and renumbers.
void supprime(long long numero) {
    Donnees::NumFiche = numero;
    ASSERT_TRUE(base::TrouveNumero());
    Rs.Delete();
    base::Renumerote();
}

TEST_F(RecipeTableTest, deleting_renumbers_in_stored_order_and_writes_only_the_records_moved) {
    makeBase(numerotees(6));
    open(base::RequeteToutes());
    supprime(3);
    Rs.Close();
    EXPECT_EQ(readBack(), (std::vector<Fiche>{{1, "AGN", "RECETTE 1"},
                                              {2, "AGN", "RECETTE 2"},
                                              {3, "AGN", "RECETTE 4"},
                                              {4, "AGN", "RECETTE 5"},
                                              {5, "AGN", "RECETTE 6"}}));
    EXPECT_EQ(written(), (std::vector<QString>{"RECETTE 4", "RECETTE 5", "RECETTE 6"}));
}

TEST_F(RecipeTableTest, renumbering_crosses_categories_and_mends_any_gap) {
    makeBase({{4, "AGN", "A"}, {9, "MAG", "B"}, {2, "AGN", "C"}, {4, "DES", "D"}});
    open(base::RequeteToutes());
    base::Renumerote();
    Rs.Close();
    EXPECT_EQ(readBack(), (std::vector<Fiche>{
                              {1, "AGN", "A"}, {2, "MAG", "B"}, {3, "AGN", "C"}, {4, "DES", "D"}}));
    EXPECT_EQ(written(), (std::vector<QString>{"A", "B", "C"}));
}

TEST_F(RecipeTableTest, deleting_the_only_record_leaves_an_empty_table) {
    makeBase(numerotees(1));
    open(base::RequeteToutes());
    supprime(1);
    Rs.Close();
    EXPECT_TRUE(readBack().empty());
}

TEST_F(RecipeTableTest, deletion_and_renumbering_reach_the_disk_together) {
    makeBase(numerotees(4));
    open(base::RequeteToutes());
    supprime(1);
    // Not committed yet: another connection still sees the table as it was.
    EXPECT_EQ(readBack(), numerotees(4));
    // An error escaping the handler rolls back both.
    platform::data::rollbackOpenRecordsets();
    EXPECT_EQ(readBack(), numerotees(4));

    open(base::RequeteToutes());
    supprime(1);
    Rs.Close();
    EXPECT_EQ(readBack(),
              (std::vector<Fiche>{
                  {1, "AGN", "RECETTE 2"}, {2, "AGN", "RECETTE 3"}, {3, "AGN", "RECETTE 4"}}));
}

}  // namespace
