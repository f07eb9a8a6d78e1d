// The category browser on a real (offscreen) Qt desktop at 1024 x 768, on a copy of the demo
// folder: the listing of the base CUISINE, then a recipe with its picture; screenshots of both go
// to the build folder.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTemporaryDir>

#include "browser/kov_rubrique.h"
#include "platform/desktop/session.h"
#include "platform/files/names.h"
#include "platform/forms/instances.h"
#include "platform/qt/form_window.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/units.h"
#include "shell/donnees.h"
#include "shell/kov_depart.h"

namespace {

class Ecran1024 : public platform::qt::QtDesktop {
public:
    double screenWidth() const override { return 1024 * 15; }
    double screenHeight() const override { return 768 * 15; }
};

// The demo folder copied, so that the test changes nothing the build made.
void copyFolder(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + file.mid(from.size());
        QDir().mkpath(QFileInfo(target).path());
        ASSERT_TRUE(QFile::copy(file, target)) << file.toStdString();
    }
}

void screenshot(QWidget& window, const char* name) {
    EXPECT_TRUE(window.grab().save(QStringLiteral(SCREENSHOT_DIR "/%1.png").arg(name)));
}

// The visible widget of a class whose content `matches`, or null.
template <class W, class F>
W* visible(QWidget& window, F matches) {
    for (W* w : window.findChildren<W*>()) {
        if (w->isVisible() && matches(*w)) {
            return w;
        }
    }
    return nullptr;
}

}  // namespace

TEST(BrowserOnScreen, lists_the_demo_base_then_shows_a_recipe_with_its_picture) {
    QTemporaryDir folder;
    copyFolder(QStringLiteral(DEMO_DIR), folder.path());
    platform::files::setProgramFolder(folder.path());
    Ecran1024 desktop;
    platform::desktop::setDesktop(&desktop);
    desktop.runUserAction([] {
        Donnees::reset();
        platform::forms::Load<KovDepart>();
    });
    KovDepart& depart = platform::forms::Instance<KovDepart>();
    desktop.runUserAction([&] { depart.File1.pick(QStringLiteral("CUISINE.mdb")); });
    desktop.runUserAction([&] { depart.Sup_Click(); });

    KovRubrique& f = platform::forms::Instance<KovRubrique>();
    platform::qt::FormWindow* window = desktop.windowFor(f);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(desktop.windowFor(depart)->isVisible());
    QTableView* table = visible<QTableView>(*window, [](QTableView&) { return true; });
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->model()->rowCount(), f.MSFlexGrid1.rowCount());
    // At 102 %: columns of 510 and 7885 twips, the list in 8.16 points.
    EXPECT_EQ(table->columnWidth(0), platform::qt::toPixels(510));
    EXPECT_EQ(table->columnWidth(1), platform::qt::toPixels(7885));
    EXPECT_DOUBLE_EQ(table->font().pointSizeF(), 8.16);
    EXPECT_NE(visible<QLabel>(*window, [&](QLabel& l) { return l.text() == f.Label1.Caption; }),
              nullptr);
    screenshot(*window, "kovrubrique-liste");

    int tatin = -1;
    for (int r = 0; r < f.MSFlexGrid1.rowCount(); ++r) {
        if (f.MSFlexGrid1.cellText(r, 1) == QStringLiteral("TARTE TATIN")) {
            tatin = r;
        }
    }
    ASSERT_GT(tatin, 0);
    desktop.runUserAction([&] { f.MSFlexGrid1.clickCell(tatin, 1); });
    EXPECT_FALSE(table->isVisible());
    EXPECT_EQ(f.Label1.Caption, QStringLiteral("DESSERT"));
    QLabel* picture = visible<QLabel>(*window, [](QLabel& l) { return !l.pixmap().isNull(); });
    ASSERT_NE(picture, nullptr) << "the recipe's picture is drawn";
    EXPECT_GT(picture->pixmap().width(), 100);
    EXPECT_NE(visible<QPlainTextEdit>(
                  *window, [&](QPlainTextEdit& t) { return t.toPlainText().contains(u"pommes"); }),
              nullptr)
        << "the ingredients are on screen";
    screenshot(*window, "kovrubrique-recette");

    desktop.runUserAction([&] { f.Retour_Click(); });
    EXPECT_TRUE(desktop.windowFor(depart)->isVisible());
    desktop.runUserAction([] { platform::desktop::End(); });
    platform::desktop::setDesktop(nullptr);
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
