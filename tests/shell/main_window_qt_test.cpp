// The main window on a real (offscreen) Qt desktop at 1024 x 768: the base list, then an open base.
#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QTemporaryDir>

#include "management/kov_creer.h"
#include "management/kov_supprime.h"
#include "platform/desktop/session.h"
#include "platform/files/names.h"
#include "platform/forms/instances.h"
#include "platform/qt/form_window.h"
#include "screen_1024.h"
#include "shell/donnees.h"
#include "shell/kov_depart.h"
#include "sqlite_fixture.h"

namespace {

QString screenshot(QWidget& window, const char* name) {
    const QString path = QStringLiteral(SCREENSHOT_DIR "/%1.png").arg(QString::fromUtf8(name));
    window.grab().save(path);
    return path;
}

}  // namespace

TEST(MainWindowOnScreen, shows_the_base_list_then_the_open_base) {
    QTemporaryDir folder;
    test_support::makeRecipeBase(folder.filePath(QStringLiteral("CUISINE.mdb")), 12);
    test_support::makeRecipeBase(folder.filePath(QStringLiteral("FAMILLE.MDB")), 3);
    platform::files::setProgramFolder(folder.path());
    test_support::Ecran1024 desktop;
    platform::desktop::setDesktop(&desktop);

    desktop.runUserAction([] {
        Donnees::reset();
        platform::forms::Load<KovDepart>();
    });
    KovDepart& fenetre = platform::forms::Instance<KovDepart>();
    platform::qt::FormWindow* window = desktop.windowFor(fenetre);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->width(), (15360 - 100) / 15) << "the screen's width less 100 twips";
    EXPECT_FALSE(screenshot(*window, "kovdepart-bases").isEmpty());
    EXPECT_TRUE(QImage(QStringLiteral(SCREENSHOT_DIR "/kovdepart-bases.png")).width() > 0);

    desktop.runUserAction([&] { fenetre.File1.pick(QStringLiteral("CUISINE.mdb")); });
    EXPECT_EQ(fenetre.Label2.Caption, QStringLiteral("Nombre de Recettes  12"));
    bool countShown = false;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        countShown = countShown || (label->isVisible() && label->text() == fenetre.Label2.Caption);
    }
    EXPECT_TRUE(countShown) << "the count is on screen, not only in the model";
    screenshot(*window, "kovdepart-open");

    desktop.runUserAction([&] { fenetre.Quitter_Click(); });
    platform::desktop::setDesktop(nullptr);
}

TEST(MainWindowOnScreen, the_base_management_windows_take_its_place) {
    platform::desktop::resetSession();
    QTemporaryDir folder;
    platform::files::setProgramFolder(folder.path());
    test_support::Ecran1024 desktop;
    platform::desktop::setDesktop(&desktop);

    // No base at all: the create-a-base window is the first one.
    desktop.runUserAction([] {
        Donnees::reset();
        platform::forms::Load<KovDepart>();
    });
    ASSERT_TRUE(platform::forms::Instances::isLoaded<KovCreer>());
    EXPECT_FALSE(platform::forms::Instances::isLoaded<KovDepart>());
    platform::qt::FormWindow* creer = desktop.windowFor(platform::forms::Instance<KovCreer>());
    ASSERT_NE(creer, nullptr);
    EXPECT_TRUE(creer->isVisible());
    screenshot(*creer, "kovcreer");

    test_support::makeRecipeBase(folder.filePath(QStringLiteral("NOEL.MDB")), 1);
    desktop.runUserAction([] { platform::forms::Instance<KovCreer>().Retour_Click(); });
    desktop.runUserAction([] { platform::forms::Instance<KovDepart>().Supprimer_Click(); });
    platform::qt::FormWindow* supprime =
        desktop.windowFor(platform::forms::Instance<KovSupprime>());
    ASSERT_NE(supprime, nullptr);
    EXPECT_TRUE(supprime->isVisible());
    screenshot(*supprime, "kovsupprime");

    desktop.runUserAction([] { platform::desktop::End(); });
    platform::desktop::setDesktop(nullptr);
}
