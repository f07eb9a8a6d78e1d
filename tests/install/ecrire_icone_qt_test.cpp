// The installer's window on a real (offscreen) Qt desktop: the drive choice, then the end of an
// installation; the frame's progress bar shows only while the files are copied.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>

#include "install/ecrire_icone.h"
#include "platform/desktop/desktop.h"
#include "platform/files/names.h"
#include "platform/forms/instances.h"
#include "platform/qt/form_window.h"
#include "platform/qt/qt_desktop.h"

namespace {

void put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void screenshot(QWidget& window, const char* name) {
    window.grab().save(QStringLiteral(SCREENSHOT_DIR "/%1.png").arg(QString::fromUtf8(name)));
}

template <class W>
W* visibleWith(QWidget& window, const QString& text) {
    for (W* widget : window.findChildren<W*>()) {
        if (widget->isVisible() && widget->text() == text) {
            return widget;
        }
    }
    return nullptr;
}

bool anyVisible(QWidget& window, const QList<QWidget*>& widgets) {
    for (const QWidget* widget : widgets) {
        if (widget->isVisibleTo(&window)) {
            return true;
        }
    }
    return false;
}

// The Qt desktop, with a look at the windows each time they repaint during a long action.
class DesktopWatched : public platform::qt::QtDesktop {
public:
    void doEvents() override {
        QtDesktop::doEvents();
        if (onRepaint) {
            onRepaint();
        }
    }
    std::function<void()> onRepaint;
};

TEST(InstallerOnScreen, the_drive_choice_then_the_end_of_the_installation) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("distribution"));
    ASSERT_TRUE(QDir().mkpath(folder) && QDir().mkpath(dir.filePath(QStringLiteral("cle"))));
    put(folder + QStringLiteral("/Lire.pie"),
        "Mkdir Orvale\\Recette\r\n"
        "Base.kov                             Orvale\\Recette\\Base.kov\r\n"
        "[ICONE]\r\n"
        "Recette                                             Orvale\\Recette\\Base.kov\r\n");
    put(folder + QStringLiteral("/Tamrok.dll"), "Recette\r\n");
    put(folder + QStringLiteral("/Base.kov"), "modele");
    platform::files::setProgramFolder(folder);
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath(QStringLiteral("share"))));
    // Two drives only, whatever this machine has mounted.
    qputenv("RECETTE_LECTEURS", QFile::encodeName(QStringLiteral("C=") + dir.path()));
    platform::files::resetDrives();
    platform::files::setDrive(u'D', dir.filePath(QStringLiteral("cle")));
    DesktopWatched desktop;
    platform::desktop::setDesktop(&desktop);

    desktop.runUserAction([] { platform::forms::Load<EcrireIcone>(); });
    EcrireIcone& fenetre = platform::forms::Instance<EcrireIcone>();
    platform::qt::FormWindow* window = desktop.windowFor(fenetre);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_NE(visibleWith<QLabel>(*window, QStringLiteral("VOUS NE POUVEZ CHOISIR QUE LE DISQUE")),
              nullptr);
    const QList<QComboBox*> combos = window->findChildren<QComboBox*>();
    ASSERT_EQ(combos.size(), 1);
    EXPECT_TRUE(combos[0]->isVisible());
    EXPECT_EQ(combos[0]->count(), 2);
    EXPECT_EQ(combos[0]->itemText(1), QStringLiteral("d: [cle]"));
    EXPECT_FALSE(
        anyVisible(*window, {window->findChild<QGroupBox*>(), window->findChild<QProgressBar*>()}))
        << "the frame and its progress bar wait for DEPART";
    screenshot(*window, "ecrireicone-choix");

    desktop.runUserAction([&] { fenetre.Drive1.setDrive(QStringLiteral("D:")); });
    QPushButton* depart = visibleWith<QPushButton>(*window, QStringLiteral("DEPART"));
    ASSERT_NE(depart, nullptr);
    bool copying = false;
    bool shortcut = false;
    desktop.onRepaint = [&] {
        if (!shortcut && !fenetre.Label3.Caption.isEmpty()) {
            shortcut = true;
            EXPECT_NE(visibleWith<QLabel>(*window, fenetre.Label3.Caption), nullptr);
            screenshot(*window, "ecrireicone-raccourci");
        }
        if (!copying && fenetre.Frame1.Caption == QStringLiteral("D:\\Orvale\\Recette\\Base.kov")) {
            copying = true;
            QGroupBox* frame = window->findChild<QGroupBox*>();
            ASSERT_NE(frame, nullptr);
            EXPECT_TRUE(frame->isVisible());
            EXPECT_EQ(frame->title(), fenetre.Frame1.Caption);
            EXPECT_TRUE(window->findChild<QProgressBar*>()->isVisible());
            screenshot(*window, "ecrireicone-copie");
        }
    };
    depart->click();
    EXPECT_TRUE(copying) << "the window repainted while the file was copied";
    EXPECT_TRUE(shortcut) << "the shortcut's path was shown while it was made";
    EXPECT_TRUE(QFileInfo::exists(
        dir.filePath(QStringLiteral("share/applications/Orvale/Recette/Recette.desktop"))));

    EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("cle/Orvale/Recette/Base.kov"))));
    EXPECT_NE(visibleWith<QLabel>(*window, QStringLiteral("LE LOGICIEL S'EST BIEN INSTALLER")),
              nullptr);
    EXPECT_NE(visibleWith<QPushButton>(*window, QStringLiteral("QUITTER")), nullptr);
    EXPECT_EQ(visibleWith<QPushButton>(*window, QStringLiteral("DEPART")), nullptr);
    EXPECT_FALSE(combos[0]->isVisible());
    EXPECT_FALSE(
        anyVisible(*window, {window->findChild<QGroupBox*>(), window->findChild<QProgressBar*>()}));
    screenshot(*window, "ecrireicone-fin");

    desktop.runUserAction([&] { fenetre.Brelan_Click(); });
    platform::desktop::setDesktop(nullptr);
    qunsetenv("RECETTE_LECTEURS");
    qunsetenv("XDG_DATA_HOME");
    platform::files::resetDrives();
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
