// Every category item of the main window's menu stores its category as the catalogue says, opens
// the card editor of that category with the category's text over it, and hides the main window.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "base/catalogue.h"
#include "editor/kov_general.h"
#include "headless_session.h"
#include "platform/files/names.h"
#include "platform/forms/instances.h"
#include "printing/kov_texte.h"
#include "shell/donnees.h"
#include "shell/kov_depart.h"
#include "sqlite_fixture.h"

namespace forms = platform::forms;

TEST(CategoryCommands, each_menu_item_opens_the_editor_of_its_category_under_its_text) {
    QTemporaryDir folder;
    {
        const test_support::FixtureConnection base(folder.filePath(QStringLiteral("CUISINE.mdb")));
        base.exec(test_support::cuisineSchema());
        base.exec(
            QStringLiteral("INSERT INTO Cuisine (Numero, Categorie, Titre) VALUES "
                           "(1, 'MAG', 'TARTIFLETTE'), (2, 'VIT', 'PÂTÉ EN CROÛTE')"));
    }
    platform::files::setProgramFolder(folder.path());
    const test_support::HeadlessSession session;
    Donnees::reset();
    const auto act = test_support::HeadlessSession::act;

    act([] { forms::Load<KovDepart>(); });
    KovDepart& fenetre = forms::Instance<KovDepart>();
    act([&] { fenetre.File1.pick(QStringLiteral("CUISINE.mdb")); });
    int commandes = 0;
    for (const base::Categorie& categorie : base::Catalogue) {
        if (categorie.menu.isEmpty()) {
            continue;
        }
        SCOPED_TRACE(categorie.menu.toString().toStdString());
        auto* item = dynamic_cast<forms::MenuItem*>(fenetre.findControl(categorie.menu.toString()));
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->Caption, categorie.legende.toString());
        ASSERT_TRUE(item->Click);
        act([&] { item->Click(); });
        EXPECT_EQ(Donnees::CodeCategorie, categorie.code.toString());
        EXPECT_EQ(Donnees::NomCategorie, categorie.libelle.toString());
        ASSERT_TRUE(forms::Instances::isLoaded<KovGeneral>());
        ASSERT_TRUE(forms::Instances::isLoaded<KovTexte>());
        KovGeneral& editeur = forms::Instance<KovGeneral>();
        EXPECT_TRUE(editeur.Label1.Caption.startsWith(categorie.libelle.toString() + u' '));
        EXPECT_FALSE(editeur.Enabled) << "out of use under the text";
        EXPECT_TRUE(forms::Instance<KovTexte>().Visible);
        EXPECT_FALSE(fenetre.Visible);

        act([] { forms::Instance<KovTexte>().Suite_Click(); });
        EXPECT_TRUE(editeur.Enabled);
        act([&] { editeur.Gene_Click(); });
        EXPECT_FALSE(forms::Instances::isLoaded<KovGeneral>());
        EXPECT_TRUE(fenetre.Visible);
        ++commandes;
    }
    EXPECT_EQ(commandes, 25);

    act([&] { fenetre.Froma.Click(); });
    EXPECT_EQ(Donnees::CodeCategorie, QStringLiteral("MAG"));
    EXPECT_EQ(forms::Instance<KovGeneral>().MSFlexGrid1.cellText(1, 1),
              QStringLiteral("TARTIFLETTE"));
}
