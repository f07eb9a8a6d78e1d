// The result grid of the word search at each screen scale, and the state a search leaves.
#include "search/kov_recherche.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "headless_session.h"
#include "platform/core/error.h"
#include "platform/data/database.h"
#include "platform/files/names.h"
#include "platform/forms/instances.h"
#include "qt_print.h"
#include "shell/donnees.h"
#include "shell/mod_form_zoomed.h"
#include "sqlite_fixture.h"

namespace {

namespace forms = platform::forms;

class Recherche : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dossier.isValid());
        Donnees::reset();
        platform::files::setProgramFolder(dossier.path());
        platform::files::changeWorkingFolder(dossier.path());
        const QString base = dossier.filePath(QStringLiteral("CUISINE.mdb"));
        {
            const test_support::FixtureConnection c(base);
            c.exec(test_support::cuisineSchema());
            c.exec(QStringLiteral(
                "INSERT INTO Cuisine (Numero, Categorie, Titre) VALUES (1, 'DES', 'TARTE'), "
                "(2, 'LEG', 'TARTE FINE'), (3, 'XXX', 'TARTELETTE'), (4, 'MAG', 'FONDUE')"));
        }
        Donnees::Db = platform::data::DBEngine::OpenDatabase(base);
    }
    void TearDown() override {
        platform::ignoreErrors([] { Donnees::Db.Close(); });
        Donnees::reset();
    }

    // Loads the window on a screen of scale `pourcentage` and searches `mot`.
    KovRecherche& cherche(int pourcentage, const QString& mot) {
        ModFormZoomed::Pourcentage = pourcentage;
        KovRecherche& fenetre = forms::Load<KovRecherche>();
        fenetre.Text7.paste(mot);
        fenetre.Text7.typeKey(13);
        return fenetre;
    }

    QTemporaryDir dossier;
    test_support::HeadlessSession session;
};

TEST_F(Recherche, the_grid_columns_and_font_follow_the_screen_scale) {
    struct Cas {
        int pourcentage;
        double largeurs[3];
        double police;
    };
    for (const Cas& c : {Cas{100, {800, 2000, 6000}, 8}, Cas{80, {640, 1600, 4800}, 6.4},
                         Cas{102, {816, 2040, 6120}, 8.16}, Cas{129, {1032, 2580, 7740}, 10.32}}) {
        SCOPED_TRACE(c.pourcentage);
        KovRecherche& fenetre = cherche(c.pourcentage, QStringLiteral("TARTE"));
        for (int colonne = 0; colonne < 3; ++colonne) {
            EXPECT_EQ(fenetre.MSFlexGrid1.colWidth(colonne), c.largeurs[colonne]);
        }
        EXPECT_DOUBLE_EQ(fenetre.MSFlexGrid1.FontSize, c.police);
        forms::Instances::reset();
    }
}

TEST_F(Recherche, the_results_are_aligned_and_the_last_row_added_is_current) {
    KovRecherche& fenetre = cherche(100, QStringLiteral("tarte"));
    const forms::Grid& grille = fenetre.MSFlexGrid1;
    ASSERT_EQ(grille.rowCount(), 4);
    for (int colonne = 0; colonne < 3; ++colonne) {
        EXPECT_EQ(grille.cellAlignment(0, colonne), forms::flexAlignCenterCenter);
    }
    for (int ligne = 1; ligne < 4; ++ligne) {
        EXPECT_EQ(grille.cellAlignment(ligne, 0), forms::flexAlignLeftCenter);
        EXPECT_EQ(grille.cellAlignment(ligne, 1), forms::flexAlignCenterCenter);
        EXPECT_EQ(grille.cellAlignment(ligne, 2), forms::flexAlignLeftCenter);
    }
    // A code no catalogue row knows shows as stored, not as the previous row's name.
    EXPECT_EQ(grille.cellText(2, 1), QStringLiteral("LEGUME"));
    EXPECT_EQ(grille.cellText(3, 1), QStringLiteral("XXX"));
    EXPECT_EQ(fenetre.MSFlexGrid1.Row(), 3);
    EXPECT_EQ(Donnees::Trouve, 1);
    EXPECT_FALSE(Donnees::Rs.isSet());
    EXPECT_EQ(fenetre.Text7.Text, QStringLiteral("tarte"));  // the box keeps what was typed
}

TEST_F(Recherche, an_empty_base_finds_nothing_and_says_so) {
    Donnees::Db.Close();
    const QString vide = dossier.filePath(QStringLiteral("VIDE.mdb"));
    test_support::FixtureConnection(vide).exec(test_support::cuisineSchema());
    Donnees::Db = platform::data::DBEngine::OpenDatabase(vide);
    KovRecherche& fenetre = cherche(100, QString());
    EXPECT_EQ(Donnees::NbRecettes, -1);
    EXPECT_EQ(session.lines.filter(QStringLiteral("msgbox")),
              QStringList{QStringLiteral("msgbox \"Recette\" \"Pas de \" OK -> OK")});
    EXPECT_TRUE(fenetre.Text7.Visible);
    EXPECT_FALSE(fenetre.MSFlexGrid1.Visible);
}

}  // namespace
