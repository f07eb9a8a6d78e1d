// The card editor on a real (offscreen) Qt desktop at 1024 x 768, over a copy of the demo folder:
// what only the widgets show (the window out of use, the grid's widths, the picture, the
// pictograms of the difficulty). The scenarios play the same windows under an X server.
#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>

#include "editor/kov_general.h"
#include "platform/desktop/session.h"
#include "platform/files/names.h"
#include "platform/forms/instances.h"
#include "platform/qt/form_window.h"
#include "platform/qt/symbol_font.h"
#include "printing/kov_texte.h"
#include "shell/donnees.h"
#include "shell/kov_depart.h"

#include "screen_1024.h"

namespace forms = platform::forms;

namespace {

void copyFolder(const QString& from, const QString& to) {
    QDir().mkpath(to);
    for (const QFileInfo& entry :
         QDir(from).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = to + u'/' + entry.fileName();
        if (entry.isDir()) {
            copyFolder(entry.filePath(), target);
        } else {
            QFile::copy(entry.filePath(), target);
        }
    }
}

}  // namespace

TEST(EditorOnScreen, shows_the_text_then_the_list_a_card_and_a_new_card) {
    QTemporaryDir folder;
    copyFolder(QStringLiteral(RECETTE_DEMO_FOLDER), folder.path());
    platform::desktop::resetSession();
    platform::files::setProgramFolder(folder.path());
    platform::files::changeWorkingFolder(folder.path());
    test_support::Ecran1024 desktop;
    platform::desktop::setDesktop(&desktop);

    desktop.runUserAction([] {
        Donnees::reset();
        forms::Load<KovDepart>();
    });
    KovDepart& principale = forms::Instance<KovDepart>();
    desktop.runUserAction([&] { principale.File1.pick(QStringLiteral("CUISINE.mdb")); });
    desktop.runUserAction([&] { principale.Desser.Click(); });
    KovGeneral& editeur = forms::Instance<KovGeneral>();
    platform::qt::FormWindow* fenetre = desktop.windowFor(editeur);
    platform::qt::FormWindow* texte = desktop.windowFor(forms::Instance<KovTexte>());
    ASSERT_NE(fenetre, nullptr);
    ASSERT_NE(texte, nullptr);
    EXPECT_FALSE(fenetre->isEnabled()) << "out of use under the text";
    EXPECT_FALSE(desktop.windowFor(principale)->isVisible());

    desktop.runUserAction([] { forms::Instance<KovTexte>().Suite_Click(); });
    EXPECT_TRUE(fenetre->isEnabled());
    EXPECT_EQ(fenetre->width(), (15360 - 100) / 15);
    auto* grille = static_cast<QTableView*>(fenetre->widgetFor(editeur.MSFlexGrid1));
    ASSERT_NE(grille, nullptr);
    EXPECT_TRUE(grille->isVisible());
    EXPECT_EQ(grille->columnWidth(1), 8160 / 15) << "80 x the screen scale, in twips";

    int tatin = 0;
    for (int r = 1; r < editeur.MSFlexGrid1.rowCount(); ++r) {
        if (editeur.MSFlexGrid1.cellText(r, 1) == QStringLiteral("TARTE TATIN")) {
            tatin = r;
        }
    }
    ASSERT_GT(tatin, 0);
    desktop.runUserAction([&] { editeur.MSFlexGrid1.clickCell(tatin, 1); });
    auto* image = static_cast<QLabel*>(fenetre->widgetFor(editeur.Image1));
    ASSERT_TRUE(image->isVisible());
    EXPECT_FALSE(image->pixmap().isNull()) << "the recipe's own picture";
    auto* difficulte = static_cast<QLineEdit*>(fenetre->widgetFor(editeur.Text4));
    EXPECT_EQ(editeur.Text4.Text, QStringLiteral("aa"));
    if (platform::qt::showsPictograms(editeur.Text4.FontName)) {
        EXPECT_EQ(difficulte->text(), platform::qt::toPictograms(QStringLiteral("aa")));
    }
    EXPECT_FALSE(grille->isVisible());

    desktop.runUserAction([&] { editeur.Creer_Click(); });
    EXPECT_TRUE(fenetre->actionFor(editeur.Enreg)->isVisible());
    EXPECT_FALSE(fenetre->actionFor(editeur.Enregistre)->isVisible());
    EXPECT_TRUE(image->pixmap().isNull()) << "a new card starts without picture";

    desktop.runUserAction([] { platform::desktop::End(); });
    platform::desktop::setDesktop(nullptr);
}
