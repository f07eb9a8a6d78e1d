// The backup window on a real (offscreen) Qt desktop at 1024 x 768: its choice state, then a
// backup during which the window keeps repainting, its bar following the files.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QThread>

#include "backup/kov_sauvegarde.h"
#include "platform/desktop/session.h"
#include "platform/files/faults.h"
#include "platform/files/names.h"
#include "platform/forms/instances.h"
#include "platform/qt/form_window.h"
#include "platform/qt/qt_desktop.h"
#include "shell/donnees.h"
#include "shell/kov_depart.h"
#include "sqlite_fixture.h"

namespace {

class Ecran1024 : public platform::qt::QtDesktop {
public:
    double screenWidth() const override { return 1024 * 15; }
    double screenHeight() const override { return 768 * 15; }
};

void put(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Counts the paint events of the widgets it watches.
struct PaintCounter : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

QString screenshot(QWidget& window, const char* name) {
    const QString path = QStringLiteral(SCREENSHOT_DIR "/%1.png").arg(QString::fromUtf8(name));
    window.grab().save(path);
    return path;
}

}  // namespace

TEST(BackupWindowOnScreen, repaints_its_bar_and_frame_at_each_file_of_a_backup) {
    QTemporaryDir root;
    const QString programme = root.filePath(QStringLiteral("Programme"));
    {
        QDir().mkpath(programme);
        const test_support::FixtureConnection base(programme + QStringLiteral("/CUISINE.mdb"));
        base.exec(test_support::cuisineSchema());
    }
    for (int i = 0; i < 4; ++i) {
        put(programme + QStringLiteral("/Images/PHOTO %1.jpg").arg(i), "jpeg");
    }
    QDir().mkpath(root.filePath(QStringLiteral("cle")));
    platform::files::setDrive(u'C', root.path());
    platform::files::setDrive(u'D', root.filePath(QStringLiteral("cle")));
    platform::files::setProgramFolder(programme);
    Ecran1024 desktop;
    platform::desktop::setDesktop(&desktop);
    platform::desktop::resetSession();

    desktop.runUserAction([] {
        Donnees::reset();
        platform::forms::Load<KovDepart>().File1.pick(QStringLiteral("CUISINE.mdb"));
    });
    desktop.runUserAction([] { platform::forms::Instance<KovDepart>().Sauve_Click(); });
    KovSauvegarde& fenetre = platform::forms::Instance<KovSauvegarde>();
    platform::qt::FormWindow* window = desktop.windowFor(fenetre);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->width(), (15360 - 10) / 15) << "the screen's width less 10 twips";
    const auto* drives = window->findChild<QComboBox*>();
    ASSERT_NE(drives, nullptr);
    EXPECT_EQ(drives->count(), 2);
    screenshot(*window, "kovsauvegarde-choix");

    // Before each copy, what the widgets show; each copy lasts longer than the pace of the
    // repaints, so that every repaint asked for is painted.
    auto* bar = window->findChild<QProgressBar*>();
    const auto* frame = window->findChild<QGroupBox*>();
    ASSERT_NE(bar, nullptr);
    ASSERT_NE(frame, nullptr);
    PaintCounter paints;
    bar->installEventFilter(&paints);
    QStringList seen;
    platform::files::setFaultHook([&](std::string_view op, const QString&) {
        if (op == "copy") {
            seen << QStringLiteral("%1 %2/%3 %4")
                        .arg(frame->title())
                        .arg(bar->value())
                        .arg(bar->maximum())
                        .arg(bar->isVisible() ? "shown" : "hidden");
            if (seen.size() == 3) {
                screenshot(*window, "kovsauvegarde-copie");
            }
            QThread::msleep(20);  // longer than the pace of the repaints
        }
    });
    fenetre.Text1.Text = QStringLiteral("D:\\Sauvegarde\\Recettes");
    desktop.runUserAction([&] { fenetre.Sauve_Click(); });
    platform::files::setFaultHook({});

    EXPECT_EQ(seen, (QStringList{
                        "CUISINE.mdb 0/2 shown",
                        "Sauve.kov 1/2 shown",
                        "PHOTO 0.jpg 0/4 shown",
                        "PHOTO 1.jpg 1/4 shown",
                        "PHOTO 2.jpg 2/4 shown",
                        "PHOTO 3.jpg 3/4 shown",
                    }));
    EXPECT_GE(paints.count, 6) << "the bar was painted during the copies, not only at their end";
    EXPECT_EQ(fenetre.Text1.Text, QStringLiteral("C'EST FINI"));
    EXPECT_FALSE(bar->isVisible()) << "the frame and its bar go once the copies end";
    screenshot(*window, "kovsauvegarde-fini");

    desktop.runUserAction([] { platform::desktop::End(); });
    platform::desktop::setDesktop(nullptr);
    platform::files::resetDrives();
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
