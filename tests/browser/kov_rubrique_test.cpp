// The category browser on the model: what the transcript of a scenario does not show (column
// widths, font, alignments, the global state left behind) and the failures a scenario cannot
// bring about (a base that becomes unreadable, a recipe gone between the listing and the click).
#include "browser/kov_rubrique.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>
#include <vector>

#include "platform/core/error.h"
#include "platform/data/database.h"
#include "platform/desktop/session.h"
#include "platform/files/names.h"
#include "platform/forms/instances.h"
#include "platform/headless/headless_desktop.h"
#include "platform/printer/printer.h"
#include "platform/printer/recording_sink.h"
#include "shell/donnees.h"
#include "shell/mod_form_zoomed.h"
#include "sqlite_fixture.h"

namespace forms = platform::forms;

namespace {

class Browser : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        platform::files::setProgramFolder(folder_.path());
        ASSERT_TRUE(QDir(folder_.path()).mkpath(QStringLiteral("Images")));
        QImage placeholder(8, 8, QImage::Format_RGB32);
        placeholder.fill(Qt::gray);
        ASSERT_TRUE(placeholder.save(folder_.filePath(QStringLiteral("Images/PAS.jpg")), "JPEG"));
        platform::desktop::resetSession();
        platform::desktop::setDesktop(&desktop_);
        Donnees::reset();
        ModFormZoomed::reset();
        ModFormZoomed::HauteurEcran = 768 * 15;
        ModFormZoomed::LargeurEcran = 1024 * 15;
        ModFormZoomed::Pourcentage = 102;
        base_ = std::make_unique<test_support::FixtureConnection>(basePath());
        base_->exec(test_support::cuisineSchema());
    }
    void TearDown() override {
        platform::desktop::resetSession();
        platform::ignoreErrors([] { Donnees::Db.Close(); });
        Donnees::reset();
        ModFormZoomed::reset();
        platform::printer::printer().setSink(nullptr);
        platform::desktop::setDesktop(nullptr);
    }

    QString basePath() const { return folder_.filePath(QStringLiteral("CUISINE.mdb")); }
    // Opens the base as the main window does, then the browser as "Liste des Recettes" does.
    KovRubrique& ouvre() {
        Donnees::NomBase = QStringLiteral("CUISINE.mdb");
        Donnees::Db = platform::data::DBEngine::OpenDatabase(Donnees::NomBase);
        return forms::Load<KovRubrique>();
    }
    // The row of the grid whose column 1 reads `texte`, or -1.
    static int ligne(const KovRubrique& f, const QString& texte) {
        for (int r = 0; r < f.MSFlexGrid1.rowCount(); ++r) {
            if (f.MSFlexGrid1.cellText(r, 1) == texte) {
                return r;
            }
        }
        return -1;
    }

    QTemporaryDir folder_;
    QStringList lines_;
    platform::headless::Transcript transcript_{[this](const QString& l) { lines_ << l; }};
    platform::headless::HeadlessDesktop desktop_{transcript_};
    std::unique_ptr<test_support::FixtureConnection> base_;
};

TEST_F(Browser, the_columns_and_the_font_follow_the_screen_scale) {
    const struct {
        int pourcentage;
        double numero, titre, police;
    } cases[] = {
        {66, 330, 5102, 5.28},    // 5101.8
        {80, 400, 6184, 6.4},     //
        {102, 510, 7885, 8.16},   // 7884.6
        {129, 645, 9972, 10.32},  // 9971.7
        {5, 25, 386, 0.4},        // 386.5: a half goes to the even neighbour
        {15, 75, 1160, 1.2},      // 1159.5
    };
    KovRubrique& f = ouvre();
    for (const auto& c : cases) {
        ModFormZoomed::Pourcentage = c.pourcentage;
        f.Lire();
        EXPECT_EQ(f.MSFlexGrid1.colWidth(0), c.numero) << c.pourcentage;
        EXPECT_EQ(f.MSFlexGrid1.colWidth(1), c.titre) << c.pourcentage;
        EXPECT_DOUBLE_EQ(f.MSFlexGrid1.FontSize, c.police) << c.pourcentage;
    }
}

TEST_F(Browser, the_listing_aligns_its_cells_and_leaves_the_last_group_in_the_global_state) {
    base_->exec(QStringLiteral(
        "INSERT INTO Cuisine (Numero, Categorie, Titre) VALUES (1, 'DES', 'CLAFOUTIS'),"
        "(2, 'AGN', 'NAVARIN'), (3, 'NOU', 'NOUGAT NOIR'), (NULL, 'DES', NULL),"
        "(5, 'DES', 'FLAN');"));
    Donnees::NomCategorie = QStringLiteral("AGNEAU");
    KovRubrique& f = ouvre();
    const forms::Grid& g = f.MSFlexGrid1;

    ASSERT_EQ(g.rowCount(), 1 + 47 + 5);
    EXPECT_EQ(g.cellAlignment(0, 0), forms::flexAlignCenterCenter);
    EXPECT_EQ(g.cellAlignment(0, 1), forms::flexAlignCenterCenter);
    const int dessert = ligne(f, QStringLiteral("DESSERT"));
    EXPECT_EQ(g.cellAlignment(dessert, 1), forms::flexAlignCenterCenter);
    EXPECT_EQ(g.cellAlignment(dessert + 1, 1), forms::flexAlignLeftCenter);
    // A record without number nor title still has its row, counted, with empty cells.
    EXPECT_EQ(g.cellText(dessert + 2, 0), QString());
    EXPECT_EQ(g.cellText(dessert + 2, 1), QString());
    EXPECT_EQ(g.cellText(dessert + 3, 0), QStringLiteral("5"));
    EXPECT_EQ(f.Label1.Caption, QStringLiteral("Nombre de recettes  5"));

    EXPECT_EQ(Donnees::CodeCategorie, QStringLiteral("NOU"));
    EXPECT_EQ(Donnees::LibCategorie, QStringLiteral("NOUGAT"));
    EXPECT_EQ(Donnees::NomCategorie, QStringLiteral("AGNEAU")) << "untouched by the listing";
    EXPECT_EQ(Donnees::Requete, QStringLiteral("Select * from Cuisine WHERE Categorie='NOU'"));
    EXPECT_EQ(Donnees::NbRecettes, 0) << "the last group's count less one";
    EXPECT_FALSE(Donnees::Rs.isSet());

    // A click on the empty row does nothing; printing leaves the list on its last row.
    f.MSFlexGrid1.clickCell(dessert + 2, 1);
    EXPECT_TRUE(f.MSFlexGrid1.Visible);
    QStringList printed;
    platform::printer::printer().setSink(std::make_unique<platform::printer::RecordingSink>(
        [&](const QString& l) { printed << l; }));
    f.Imprimante_Click();
    EXPECT_EQ(f.MSFlexGrid1.Row, g.rowCount() - 1);
    EXPECT_TRUE(f.MSFlexGrid1.Visible);
    // Row r prints on line r + 2, after the two empty lines.
    const QString flan =
        QStringLiteral("  line %1: @10 \"FLAN\"").arg(ligne(f, QStringLiteral("FLAN")) + 2);
    EXPECT_TRUE(printed.contains(flan)) << printed.join(u'\n').toStdString();
}

TEST_F(Browser, another_recipe_gives_back_the_same_grid_and_an_empty_picture) {
    base_->exec(QStringLiteral(
        "INSERT INTO Cuisine VALUES (1, 'DES', 'CLAFOUTIS', '15 MN', '35 MN', 'a', '?', "
        "'cerises', 'cuire'), (2, 'AGN', 'NAVARIN', '30 MN', '2 H', 'aa', 'Cahors', 'agneau', "
        "'mijoter');"));
    KovRubrique& f = ouvre();
    const auto cells = [&f] {
        std::vector<std::pair<QString, int>> all;
        for (int r = 0; r < f.MSFlexGrid1.rowCount(); ++r) {
            for (int c = 0; c < 2; ++c) {
                all.emplace_back(f.MSFlexGrid1.cellText(r, c), f.MSFlexGrid1.cellAlignment(r, c));
            }
        }
        return all;
    };
    const auto avant = cells();

    f.MSFlexGrid1.clickCell(ligne(f, QStringLiteral("NAVARIN")), 1);
    EXPECT_FALSE(f.MSFlexGrid1.Visible);
    EXPECT_EQ(f.Text6.Text, QStringLiteral("mijoter"));
    EXPECT_FALSE(f.Image1.isEmpty());
    EXPECT_EQ(Donnees::Requete, QStringLiteral("Select * from Cuisine"));
    EXPECT_EQ(Donnees::NbRecettes, 1);
    EXPECT_EQ(Donnees::Indice, 1) << "the index of the record found";
    EXPECT_EQ(Donnees::CheminImage, folder_.path() + QStringLiteral("\\Images\\NAVARIN.jpg"));
    EXPECT_FALSE(Donnees::Rs.isSet());

    f.Effacer_Click();
    EXPECT_EQ(cells(), avant);
    EXPECT_TRUE(f.Image1.isEmpty());
    EXPECT_EQ(f.Label1.Caption, QStringLiteral("Nombre de recettes  2"));
    EXPECT_TRUE(lines_.filter(QStringLiteral("msgbox")).isEmpty())
        << lines_.join(u'\n').toStdString();
}

TEST_F(Browser, a_recipe_gone_since_the_listing_shows_nothing_of_the_one_before) {
    base_->exec(QStringLiteral(
        "INSERT INTO Cuisine VALUES (1, 'DES', 'CLAFOUTIS', '15 MN', '35 MN', 'a', '?', "
        "'cerises', 'cuire'), (2, 'AGN', 'NAVARIN', '30 MN', '2 H', 'aa', 'Cahors', 'agneau', "
        "'mijoter');"));
    KovRubrique& f = ouvre();
    // The boxes, hidden again by "Autre Recette", still hold the recipe shown first.
    f.MSFlexGrid1.clickCell(ligne(f, QStringLiteral("CLAFOUTIS")), 1);
    f.Effacer_Click();
    const int navarin = ligne(f, QStringLiteral("NAVARIN"));
    base_->exec(QStringLiteral("DELETE FROM Cuisine WHERE Titre = 'NAVARIN';"));

    f.MSFlexGrid1.clickCell(navarin, 1);
    EXPECT_EQ(f.Text1.Text, QStringLiteral("NAVARIN"));
    for (const forms::TextBox* box : {&f.Text2, &f.Text3, &f.Text4, &f.Text5, &f.Text6}) {
        EXPECT_EQ(box->Text, QString()) << box->Name().toStdString();
        EXPECT_TRUE(box->Visible);
    }
    EXPECT_TRUE(f.Image1.isEmpty());
    EXPECT_EQ(f.Label1.Caption, QStringLiteral("NOUGAT")) << "the name the listing left";
    EXPECT_TRUE(f.Effacer.Visible);
    EXPECT_FALSE(Donnees::Rs.isSet());
}

TEST_F(Browser, a_base_that_cannot_be_read_is_never_passed_off_as_complete) {
    base_->exec(QStringLiteral(
        "INSERT INTO Cuisine (Numero, Categorie, Titre) VALUES (1, 'DES', 'CLAFOUTIS');"));
    KovRubrique& f = ouvre();
    const int clafoutis = ligne(f, QStringLiteral("CLAFOUTIS"));
    ASSERT_GT(clafoutis, 0);
    base_->exec(QStringLiteral("ALTER TABLE Cuisine RENAME TO Ailleurs;"));

    // The recipe clicked cannot be read: the list stays in view, and the user is told.
    f.MSFlexGrid1.clickCell(clafoutis, 1);
    EXPECT_TRUE(f.MSFlexGrid1.Visible);
    EXPECT_TRUE(f.Imprimante.Visible);
    EXPECT_FALSE(f.Effacer.Visible);
    EXPECT_FALSE(f.Text1.Visible);
    EXPECT_FALSE(Donnees::Rs.isSet());
    QStringList messages = lines_.filter(QStringLiteral("msgbox"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(
        QStringLiteral("msgbox \"Recette\" \"La recette « CLAFOUTIS » n'a pas pu être lue.")))
        << messages[0].toStdString();

    // The list read again: every heading, no recipe, and one message that it is incomplete.
    lines_.clear();
    f.Effacer_Click();
    EXPECT_EQ(f.MSFlexGrid1.rowCount(), 1 + 47);
    EXPECT_EQ(f.Label1.Caption, QStringLiteral("Nombre de recettes  0"));
    EXPECT_FALSE(Donnees::Rs.isSet());
    messages = lines_.filter(QStringLiteral("msgbox"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(
        QStringLiteral("msgbox \"Recette\" \"La liste des recettes est incomplète : une partie "
                       "de la base n'a pas pu être lue.")))
        << messages[0].toStdString();
}

}  // namespace
