// Every category item of the main window's menu stores its category as the catalogue says.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "base/catalogue.h"
#include "platform/desktop/session.h"
#include "platform/files/names.h"
#include "platform/forms/instances.h"
#include "platform/headless/headless_desktop.h"
#include "shell/donnees.h"
#include "shell/kov_depart.h"

TEST(CategoryCommands, each_menu_item_stores_its_code_and_display_name) {
    QTemporaryDir folder;
    QFile base(folder.filePath(QStringLiteral("CUISINE.mdb")));
    ASSERT_TRUE(base.open(QIODevice::WriteOnly));  // listed; never opened here
    base.close();
    platform::files::setProgramFolder(folder.path());
    platform::headless::Transcript transcript{[](const QString&) {}};
    platform::headless::HeadlessDesktop desktop{transcript};
    platform::desktop::setDesktop(&desktop);
    platform::desktop::resetSession();
    Donnees::reset();

    KovDepart& fenetre = platform::forms::Load<KovDepart>();
    int commandes = 0;
    for (const base::Categorie& categorie : base::Catalogue) {
        if (categorie.menu.isEmpty()) {
            continue;
        }
        auto* item = dynamic_cast<platform::forms::MenuItem*>(
            fenetre.findControl(categorie.menu.toString()));
        ASSERT_NE(item, nullptr) << categorie.menu.toString().toStdString();
        EXPECT_EQ(item->Caption, categorie.legende.toString());
        ASSERT_TRUE(item->Click);
        item->Click();
        EXPECT_EQ(Donnees::CodeCategorie, categorie.code.toString());
        EXPECT_EQ(Donnees::NomCategorie, categorie.libelle.toString());
        ++commandes;
    }
    EXPECT_EQ(commandes, 25);
    fenetre.Froma.Click();
    EXPECT_EQ(Donnees::CodeCategorie, QStringLiteral("MAG"));
    EXPECT_EQ(Donnees::NomCategorie + QStringLiteral(".txt"), QStringLiteral("FROMAGE.txt"));

    platform::desktop::resetSession();
    platform::desktop::setDesktop(nullptr);
}
