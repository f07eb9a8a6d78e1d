#include "install/ecrire_icone.h"

#include <QFileInfo>

#include "install/illustration.h"
#include "install/manifeste.h"
#include "install/module1.h"
#include "platform/core/error.h"
#include "platform/core/text.h"
#include "platform/desktop/desktop.h"
#include "platform/desktop/shortcut.h"
#include "platform/desktop/special_folders.h"
#include "platform/files/names.h"
#include "platform/files/operations.h"
#include "platform/files/text_file.h"

using namespace Manifeste;
using namespace Module1;
using platform::ignoreErrors;
using platform::desktop::DoEvents;
using platform::desktop::MsgBox;
namespace files = platform::files;

namespace {

const QString crlf = QStringLiteral("\r\n");

// The reasons listed at the end, at most; the others are only counted.
constexpr int raisonsMontrees = 10;

// "1 FICHIER N'A PAS PU ÊTRE COPIÉ", "3 FICHIERS N'ONT PAS PU ÊTRE COPIÉS".
QString compte(int n, const char* un, const char* plusieurs) {
    return QString::number(n) + u' ' + QString::fromUtf8(n == 1 ? un : plusieurs);
}

QString refus(const QString& chemin) {
    return QStringLiteral(
               "Le chemin « %1 » de Lire.pie sort du dossier Orvale du disque : "
               "rien n'y est écrit.")
        .arg(chemin);
}

}  // namespace

EcrireIcone::EcrireIcone() : Form(QStringLiteral("EcrireIcone")) {
    Caption = QStringLiteral("Installation du livre de recettes");
    Width = 9000;
    Height = 6000;
    Label1.place(2880, 480, 5760, 495);
    Label1.Caption = QStringLiteral("VOUS NE POUVEZ CHOISIR QUE LE DISQUE");
    Label1.Alignment = platform::forms::Center;
    Label1.FontBold = true;
    Drive1.place(3960, 1320, 3480, 345);
    Command1.place(3240, 4440, 2160, 555);
    Command1.Caption = QStringLiteral("DEPART");
    Brelan.place(6120, 4440, 2160, 555);
    Brelan.Caption = QStringLiteral("QUITTER");
    Frame1.place(2880, 240, 5760, 3960);
    Frame1.Caption = QStringLiteral("Frame1");
    ProgressBar1.place(3120, 840, 5280, 375);
    Label3.place(3120, 1560, 5280, 1320);
    Label2.place(2880, 1680, 5760, 1320);
    Label2.Alignment = platform::forms::Center;
    Label2.FontBold = true;
    List1.place(240, 2880, 2400, 1440);
    Image1.place(240, 240, 2400, 2400);
    Image1.setImage(illustration(), QStringLiteral("Install"));

    Command1.Click = [this] { Command1_Click(); };
    Brelan.Click = [this] { Brelan_Click(); };
    // Closing the window by its frame is "QUITTER", which is hidden while the files are copied:
    // an installation is not cut off in the middle.
    closeCommand = [this] {
        if (Brelan.Visible) {
            Brelan_Click();
        }
    };
}

void EcrireIcone::MontreLeCadre(bool visible) {
    Frame1.Visible = visible;
    ProgressBar1.Visible = visible;
    Label3.Visible = visible;
}

void EcrireIcone::Form_Load() {
    Show();
    MontreLeCadre(false);
    // Without its manifest the installer knows nothing to install: it says so and ends.
    QStringList entrees;
    try {
        entrees = LireLesChamps(QStringLiteral("Lire.pie"));
    } catch (const platform::Error& e) {
        MsgBox(QStringLiteral("Le fichier Lire.pie, qui décrit l'installation, ne peut pas être "
                              "lu :\n%1\n\nRien n'a été installé.")
                   .arg(e.description()));
        platform::desktop::End();
    }
    if (entrees.isEmpty()) {
        MsgBox(
            QStringLiteral("Le fichier Lire.pie ne contient aucune entrée : il n'y a rien à "
                           "installer."));
        platform::desktop::End();
    }
    for (const QString& entree : entrees) {
        List1.AddItem(entree);
    }
    List1.Visible = false;
    Label2.Visible = false;
}

void EcrireIcone::Command1_Click() {
    // Without a drive the root would be that of the whole system.
    if (Drive1.drive().isEmpty()) {
        MsgBox(QStringLiteral("Aucun disque n'est disponible : l'installation est impossible."));
        return;
    }
    MontreLeCadre(true);
    Drive1.Visible = false;
    Brelan.Visible = false;
    Command1.Visible = false;
    DoEvents();

    // The copies. A step that fails is skipped and the installation goes on; what could not be
    // done is noted and told at the end.
    Label1.Visible = false;
    N = List1.ListCount();
    ProgressBar1.Max = N - 2;
    ProgressBar1.Min = 0;
    ignoreErrors([&] { ProgressBar1.setValue(0); });
    R = platform::upperCase(Drive1.drive().left(2)) + u'\\';
    Cree(R + QStringLiteral("Orvale"));
    for (i = 0; i < N; ++i) {
        const QString entree = List1.List(i);
        const Genre genre = GenreDeLEntree(entree);
        if (genre == Genre::Marqueur) {
            break;
        }
        if (genre == Genre::Dossier) {
            CreeLeDossier(CheminDuDossier(entree));
        } else {
            CopieLeFichier(SourceDuFichier(entree), DestinationDuFichier(entree));
        }
    }

    // The shortcuts: one per entry after the marker, in the group named by the first.
    const QStringList raccourcis = EntreesDeRaccourci(List1.items());
    if (!raccourcis.isEmpty()) {
        G = NomDuRaccourci(raccourcis.first());
    }
    for (const QString& entree : raccourcis) {
        CreeLeRaccourci(entree);
    }

    Label3.Caption.clear();
    MontreLeCadre(false);
    Brelan.Visible = true;
    Label2.Caption = MessageDeFin();
    Label2.Visible = true;
    if (!Problemes.isEmpty()) {
        QStringList raisons = Problemes.mid(0, raisonsMontrees);
        if (Problemes.size() > raisonsMontrees) {
            raisons << QStringLiteral("… et %1 autre(s).").arg(Problemes.size() - raisonsMontrees);
        }
        MsgBox(QStringLiteral("Ce qui n'a pas pu être installé :\n\n") +
               raisons.join(QStringLiteral("\n")));
    }
}

void EcrireIcone::Brelan_Click() {
    platform::desktop::End();
}

void EcrireIcone::CreeLeDossier(const QString& chemin) {
    if (!DansOrvale(chemin)) {
        NoteUnProbleme(DossiersNonCrees, refus(chemin));
        return;
    }
    const QString P = R + chemin;
    if (!Cree(P)) {
        return;
    }
    // The program's folder, named by Tamrok.dll, also keeps the manifest and a Tamrok.dll that
    // ends with the drive chosen.
    const QString C = P.mid(P.lastIndexOf(u'\\') + 1);
    if (C == PremierChamp(QStringLiteral("Tamrok.dll"))) {
        const QString ici = files::programFolder();
        const bool tamrokCopie =
            Copie(ici + QStringLiteral("\\Tamrok.dll"), P + QStringLiteral("\\Tamrok.dll"));
        Copie(ici + QStringLiteral("\\Lire.pie"), P + QStringLiteral("\\Lire.pie"));
        if (tamrokCopie) {
            try {
                files::TextFile tamrok(P + QStringLiteral("\\Tamrok.dll"), files::OpenMode::Append);
                tamrok.print({R.left(2)});
                tamrok.close();
            } catch (const platform::Error& e) {
                NoteUnProbleme(FichiersNonCopies, e.description());
            }
        }
    }
}

void EcrireIcone::CopieLeFichier(const QString& S, const QString& D) {
    if (S.isEmpty()) {
        return;
    }
    if (!DansOrvale(D)) {
        NoteUnProbleme(FichiersNonCopies, refus(D));
    } else if (D.endsWith(QStringLiteral(".mdb"), Qt::CaseInsensitive) && files::exists(R + D)) {
        // A recipe base already on the drive holds the user's recipes: it is kept as it is.
    } else {
        Copie(files::programFolder() + u'\\' + S, R + D);
    }
    Frame1.Caption = R + D;
    DoEvents();
    ignoreErrors([&] { ProgressBar1.setValue(i); });
}

void EcrireIcone::CreeLeRaccourci(const QString& entree) {
    const QString T = R + CibleDuRaccourci(entree);
    const QString nom = NomDuRaccourci(entree);
    const QString L = nom + QStringLiteral(".desktop");
    // The shortcut lands in the group's folder only if both names are file names, not paths.
    if (!files::isPlainFileName(nom) || (!G.isEmpty() && !files::isPlainFileName(G))) {
        NoteUnProbleme(RaccourcisNonCrees,
                       QStringLiteral("Le raccourci « %1 » du groupe « %2 » n'est pas créé : ces "
                                      "noms ne peuvent pas servir de noms de fichiers.")
                           .arg(nom, G));
        return;
    }
    QString F = DossierSpecial(platform::desktop::CSIDL_PROGRAMS);
    if (F.isEmpty()) {
        NoteUnProbleme(RaccourcisNonCrees,
                       QStringLiteral("Le raccourci « %1 » n'est pas créé : le dossier des "
                                      "applications du bureau est introuvable.")
                           .arg(nom));
        return;
    }
    F += QStringLiteral("\\Orvale\\");
    ignoreErrors([&] { files::makeFolder(F); });
    F += G;
    ignoreErrors([&] { files::makeFolder(F); });
    const QString fichier = F + u'\\' + L;
    Label3.Caption = EnQuatreLignes(fichier);
    for (int fois = 0; fois < 301; ++fois) {
        DoEvents();
    }
    Patiente(2);
    try {
        platform::desktop::Shortcut raccourci = platform::desktop::CreateShortcut(fichier);
        raccourci.TargetPath = T;
        raccourci.Save();
    } catch (const platform::Error& e) {
        NoteUnProbleme(RaccourcisNonCrees,
                       QStringLiteral("Raccourci « %1 » : %2").arg(nom, e.description()));
    }
}

bool EcrireIcone::Cree(const QString& P) {
    try {
        files::makeFolder(P);
    } catch (const platform::Error& e) {
        // A folder already there is the usual case of a second installation.
        bool existe = false;
        ignoreErrors([&] { existe = QFileInfo(files::resolve(P)).isDir(); });
        if (!existe) {
            NoteUnProbleme(DossiersNonCrees, e.description());
        }
        return existe;
    }
    return true;
}

bool EcrireIcone::Copie(const QString& source, const QString& destination) {
    try {
        files::copyFile(source, destination);
        return true;
    } catch (const platform::Error& e) {
        NoteUnProbleme(FichiersNonCopies,
                       QStringLiteral("%1 n'est pas copié : %2").arg(destination, e.description()));
        return false;
    }
}

void EcrireIcone::NoteUnProbleme(int& compteur, const QString& raison) {
    ++compteur;
    Problemes << raison;
}

QString EcrireIcone::MessageDeFin() const {
    if (DossiersNonCrees + FichiersNonCopies + RaccourcisNonCrees == 0) {
        return QStringLiteral("LE LOGICIEL S'EST BIEN INSTALLER");
    }
    QStringList lignes{QStringLiteral("L'INSTALLATION EST INCOMPLÈTE")};
    if (DossiersNonCrees > 0) {
        lignes << compte(DossiersNonCrees, "DOSSIER N'A PAS PU ÊTRE CRÉÉ",
                         "DOSSIERS N'ONT PAS PU ÊTRE CRÉÉS");
    }
    if (FichiersNonCopies > 0) {
        lignes << compte(FichiersNonCopies, "FICHIER N'A PAS PU ÊTRE COPIÉ",
                         "FICHIERS N'ONT PAS PU ÊTRE COPIÉS");
    }
    if (RaccourcisNonCrees > 0) {
        lignes << compte(RaccourcisNonCrees, "RACCOURCI N'A PAS PU ÊTRE CRÉÉ",
                         "RACCOURCIS N'ONT PAS PU ÊTRE CRÉÉS");
    }
    return lignes.join(crlf);
}
