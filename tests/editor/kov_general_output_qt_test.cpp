// "Ajout Image" on a real (offscreen) Qt desktop: Qt's own file dialog, in French, filtered on
// *.jpg and listing the pictures named in capitals too, and the picture chosen shown on the card.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

#include "editor/kov_general.h"
#include "platform/desktop/session.h"
#include "platform/files/names.h"
#include "platform/forms/instances.h"
#include "platform/qt/form_window.h"
#include "platform/qt/translations.h"
#include "printing/kov_texte.h"
#include "qt_print.h"
#include "screen_1024.h"
#include "shell/donnees.h"
#include "shell/kov_depart.h"
#include "sqlite_fixture.h"

namespace forms = platform::forms;

namespace {

// The 1024 x 768 desktop whose file dialog is looked at, then answered with `choix`.
class Dialogue : public test_support::Ecran1024 {
public:
    QString choix;         // the name picked in the list
    QStringList fichiers;  // the names the dialog lists
    QString filtre;        // the filter it shows
    QStringList textes;    // the texts of its buttons

protected:
    int runModal(QDialog& dialog) override {
        auto* fenetre = qobject_cast<QFileDialog*>(&dialog);
        if (fenetre == nullptr) {
            return QtDesktop::runModal(dialog);
        }
        QTimer::singleShot(0, fenetre, [this, fenetre] { regarde(*fenetre); });
        return QtDesktop::runModal(dialog);
    }

private:
    // From inside the dialog's own loop: what it lists once the folder is read, then the choice
    // picked in the list and opened, as a user does.
    void regarde(QFileDialog& fenetre) {
        auto* vue = fenetre.findChild<QTreeView*>(QStringLiteral("treeView"));
        QElapsedTimer attente;
        attente.start();
        while (vue->model()->rowCount(vue->rootIndex()) < 1 && attente.elapsed() < 5000) {
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        }
        QModelIndex choisi;
        for (int i = 0; i < vue->model()->rowCount(vue->rootIndex()); ++i) {
            const QModelIndex index = vue->model()->index(i, 0, vue->rootIndex());
            fichiers << index.data().toString();
            if (index.data().toString() == choix) {
                choisi = index;
            }
        }
        filtre = fenetre.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))->currentText();
        auto* boutons = fenetre.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
        for (QAbstractButton* bouton : boutons->buttons()) {
            textes << bouton->text();
        }
        if (choisi.isValid()) {
            vue->setCurrentIndex(choisi);
        }
        fenetre.grab().save(QStringLiteral(SCREENSHOT_DIR "/ajout-image-dialogue.png"));
        boutons->button(QDialogButtonBox::Open)->click();
        if (fenetre.isVisible()) {
            fenetre.reject();  // nothing chosen: the test fails on what it read
        }
    }
};

}  // namespace

TEST(AjoutImageOnScreen, the_french_dialog_lists_jpg_pictures_in_any_case_and_shows_the_choice) {
    platform::qt::installFrenchTranslations(*QCoreApplication::instance());
    QTemporaryDir dossier;
    const QString base = dossier.filePath(QStringLiteral("CUISINE.mdb"));
    {
        const test_support::FixtureConnection c(base);
        c.exec(test_support::cuisineSchema());
        c.exec(
            QStringLiteral("INSERT INTO Cuisine VALUES (1, 'AGN', 'GIGOT', '15 MN', '1 H', 'a', "
                           "'Pauillac', 'un gigot' || char(13,10), 'Rôtir.' || char(13,10))"));
    }
    QDir(dossier.path()).mkpath(QStringLiteral("Images"));
    QImage photo(64, 48, QImage::Format_RGB32);
    photo.fill(Qt::darkRed);
    photo.save(dossier.filePath(QStringLiteral("Images/PAS.jpg")), "JPEG");
    photo.save(dossier.filePath(QStringLiteral("GIGOT.JPG")), "JPEG");
    photo.save(dossier.filePath(QStringLiteral("navarin.jpg")), "JPEG");
    photo.save(dossier.filePath(QStringLiteral("tatin.png")), "PNG");

    platform::desktop::resetSession();
    platform::files::setProgramFolder(dossier.path());
    platform::files::changeWorkingFolder(dossier.path());
    Dialogue desktop;
    desktop.choix = QStringLiteral("GIGOT.JPG");
    platform::desktop::setDesktop(&desktop);
    desktop.runUserAction([] {
        Donnees::reset();
        forms::Load<KovDepart>();
    });
    KovDepart& principale = forms::Instance<KovDepart>();
    desktop.runUserAction([&] { principale.File1.pick(QStringLiteral("CUISINE.mdb")); });
    desktop.runUserAction([&] { principale.Agneau.Click(); });
    desktop.runUserAction([] { forms::Instance<KovTexte>().Suite_Click(); });
    KovGeneral& editeur = forms::Instance<KovGeneral>();
    desktop.runUserAction([&] { editeur.MSFlexGrid1.clickCell(1, 1); });
    ASSERT_TRUE(editeur.AjoutIma.Visible) << "a card without picture offers one";

    desktop.runUserAction([&] { editeur.AjoutIma.Click(); });
    EXPECT_TRUE(desktop.fichiers.contains(QStringLiteral("GIGOT.JPG")))
        << desktop.fichiers.join(u',').toStdString();
    EXPECT_TRUE(desktop.fichiers.contains(QStringLiteral("navarin.jpg")));
    EXPECT_FALSE(desktop.fichiers.contains(QStringLiteral("tatin.png")));
    EXPECT_FALSE(desktop.fichiers.contains(QStringLiteral("CUISINE.mdb")));
    EXPECT_TRUE(desktop.filtre.endsWith(QStringLiteral("(*.jpg)"))) << desktop.filtre.toStdString();
    EXPECT_TRUE(desktop.textes.contains(QStringLiteral("&Ouvrir")))
        << desktop.textes.join(u',').toStdString();
    EXPECT_TRUE(desktop.textes.contains(QStringLiteral("Annuler")));

    EXPECT_EQ(editeur.Image1.fileName(), dossier.filePath(QStringLiteral("GIGOT.JPG")));
    auto* image = static_cast<QLabel*>(desktop.windowFor(editeur)->widgetFor(editeur.Image1));
    EXPECT_FALSE(image->pixmap().isNull());

    desktop.runUserAction([] { platform::desktop::End(); });
    platform::desktop::setDesktop(nullptr);
}
