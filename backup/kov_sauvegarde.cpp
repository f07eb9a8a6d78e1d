#include "backup/kov_sauvegarde.h"

#include <QFileInfo>
#include <optional>

#include "platform/core/error.h"
#include "platform/core/text.h"
#include "platform/desktop/desktop.h"
#include "platform/files/clock.h"
#include "platform/files/names.h"
#include "platform/files/operations.h"
#include "platform/files/text_file.h"
#include "platform/forms/instances.h"
#include "shell/donnees.h"
#include "shell/kov_depart.h"
#include "shell/mod_form_zoomed.h"

using namespace Donnees;
using namespace ModFormZoomed;
using platform::ignoreErrors;
using platform::trimSpaces;
using platform::desktop::DoEvents;
using platform::desktop::MsgBox;
namespace files = platform::files;
namespace forms = platform::forms;

namespace {

const QString repere = QStringLiteral("Sauve.kov");
// The bases and the side files of the program folder.
const QString motifs = QStringLiteral("*.mdb ;*.let ;*.kov ;*.txt");
const QString incomplete = QStringLiteral(
    "\n\nLa sauvegarde est incomplète ; les fichiers du dossier du programme "
    "n'ont pas été modifiés.");

// The program folder as the user knows it ("C:\Orvale\Recette").
QString DossierDuProgramme() {
    return files::windowsName(files::programFolder());
}

// Every line of the marker, or none when it cannot be read.
std::optional<QStringList> LignesDuRepere() {
    std::optional<QStringList> lignes;
    ignoreErrors([&] {
        files::TextFile fichier(repere, files::OpenMode::Input);
        QStringList lues;
        while (!fichier.atEnd()) {
            lues << fichier.readLine();
        }
        lignes = lues;
    });
    return lignes;
}

// The marker replaced, in one rename, by these lines.
void EcritLeRepere(const QStringList& lignes) {
    files::TextFile fichier(repere, files::OpenMode::Output);
    for (const QString& ligne : lignes) {
        fichier.print({ligne});
    }
    fichier.close();
}

// Whether two names designate one folder; a name that cannot be resolved designates none.
bool MemeDossier(const QString& a, const QString& b) {
    bool meme = false;
    ignoreErrors([&] { meme = files::resolve(a) == files::resolve(b); });
    return meme;
}

bool DossierExiste(const QString& nom) {
    bool existe = false;
    ignoreErrors([&] { existe = QFileInfo(files::resolve(nom)).isDir(); });
    return existe;
}

// The base that was open before the copies, open again. When it cannot be, the user is told and
// no base is open.
bool RouvreLaBase(bool baseOuverte) {
    if (!baseOuverte) {
        return true;
    }
    try {
        Db = platform::data::DBEngine::OpenDatabase(NomBase);
        return true;
    } catch (const platform::Error& e) {
        Db = {};
        MsgBox(QStringLiteral("La base %1 ne peut pas être rouverte.\n%2")
                   .arg(NomBase, e.description()));
        return false;
    }
}

}  // namespace

KovSauvegarde::KovSauvegarde() : Form(QStringLiteral("KovSauvegarde")) {
    Caption = QStringLiteral("Sauvegarde");
    Label2.place(1500, 500, 9000, 400);
    Label2.Alignment = forms::Center;
    Drive1.place(1500, 1400, 4200, 400);
    Dir1.place(1500, 2000, 4200, 4800);
    Text1.place(6300, 1400, 4200, 400);
    Label1.place(6300, 2200, 4200, 500);
    Label1.Alignment = forms::Center;
    Frame1.place(6300, 3000, 4200, 1800);
    ProgressBar1.place(6600, 3900, 3600, 400);
    // The list the copies walk; the user never sees it.
    File1.place(6300, 5200, 4200, 1600);
    File1.Visible = false;
    Drive1.Change = [this] { Drive1_Change(); };
    Dir1.Change = [this] { Dir1_Change(); };
    Sauve.Click = [this] { Sauve_Click(); };
    Restor.Click = [this] { Restor_Click(); };
    Qite.Click = [this] { Qite_Click(); };
    // Closing by the frame is "Quitter", which is refused while the copies run.
    closeCommand = [this] {
        if (Qite.Visible) {
            Qite_Click();
        }
    };
}

void KovSauvegarde::Form_Load() {
    CadreDeConception(*this);
    AgranditFenetre(*this, 10);
    Show();
    Choix();
    Label2.Caption = QStringLiteral("DERNIERE SAUVEGARDE");
    Frame1.Visible = false;
    ProgressBar1.Visible = false;  // the bar lies in the frame
    try {
        LitLeRepere();
    } catch (const platform::Error&) {
        // No marker, or one of fewer than three lines: the defaults of a first use.
        EcritLeRepere({files::dateText(files::today()), QStringLiteral("C:\\"), QString(),
                       DossierDuProgramme()});
        Label2.Caption = QStringLiteral("PREMIERE SAUVEGARDE");
        LitLeRepere();
    }
}

void KovSauvegarde::LitLeRepere() {
    files::TextFile fichier(repere, files::OpenMode::Input);
    Selection = fichier.readLine();
    Label2.Caption = Label2.Caption + QStringLiteral(" ") + Selection;
    Lecteur = fichier.readLine();
    Chemin = fichier.readLine();
    fichier.close();
    Text1.Text = Lecteur + Chemin;
    const QString dossierDuRepere = Text1.Text;
    try {
        // A folder typed with spaces around it is remembered as typed, and selected trimmed.
        Drive1.setDrive(trimSpaces(dossierDuRepere));
        Dir1.setPath(trimSpaces(dossierDuRepere));
    } catch (const platform::Error&) {
        // The drive of the last backup is absent (a key not plugged in) or its folder has gone:
        // the marker is kept, so that the folder and the date of that backup are not forgotten.
        Text1.Text = dossierDuRepere;
    }
}

void KovSauvegarde::Choix() {
    Label1.Visible = false;
    Dir1.Visible = true;
    Drive1.Visible = true;
    Sauve.Visible = true;
    Restor.Visible = true;
    Qite.Visible = true;
}

void KovSauvegarde::EnCours(const QString& operation) {
    Label1.Caption = operation;
    Label1.Visible = true;
    Dir1.Visible = false;
    Drive1.Visible = false;
    Sauve.Visible = false;
    Restor.Visible = false;
    Qite.Visible = false;  // nothing to choose until the copies end
}

void KovSauvegarde::Drive1_Change() {
    Lecteur = platform::upperCase(Drive1.drive().left(2));
    Dir1.setPath(Lecteur);
    Text1.Text = Lecteur + Chemin;
}

void KovSauvegarde::Dir1_Change() {
    Lecteur = Dir1.path().left(3);
    Text1.Text = Dir1.path();
}

void KovSauvegarde::Sauve_Click() {
    const QString F = trimSpaces(Text1.Text);
    if (F.isEmpty()) {
        MsgBox(QStringLiteral("Indiquez le dossier de la sauvegarde."));
        return;
    }
    if (MemeDossier(F, DossierDuProgramme())) {
        MsgBox(
            QStringLiteral("La sauvegarde ne peut pas se faire dans le dossier du programme "
                           "lui-même : choisissez un autre dossier."));
        return;
    }
    const bool baseOuverte = Db.isSet();
    ignoreErrors([] { Db.Close(); });
    EnCours(QStringLiteral("SAUVEGARDE"));
    // A backup that fails is not the last backup: the marker then gets its lines back.
    const std::optional<QStringList> repereAvant = LignesDuRepere();
    Source.clear();
    try {
        EcritLeRepere({files::dateText(files::today()), Text1.Text.left(3), Text1.Text.mid(3),
                       DossierDuProgramme()});
        Copies(F);
    } catch (const platform::Error& e) {
        ignoreErrors([&] {
            if (repereAvant) {
                EcritLeRepere(*repereAvant);
            } else {
                files::removeFile(repere);
            }
        });
        Frame1.Visible = false;
        ProgressBar1.Visible = false;
        if (Source.isEmpty()) {
            MsgBox(QStringLiteral("La sauvegarde n'a pas pu se terminer :\n") + e.description() +
                   incomplete);
        } else {
            MsgBox(QStringLiteral("La sauvegarde s'est arrêtée sur le fichier %1 :\n%2")
                       .arg(Source, e.description()) +
                   incomplete);
        }
        Choix();
        RouvreLaBase(baseOuverte);
        return;
    }
    Frame1.Visible = false;
    ProgressBar1.Visible = false;
    Qite.Visible = true;
    Text1.Text = QStringLiteral("C'EST FINI");
    RouvreLaBase(baseOuverte);
}

void KovSauvegarde::Copies(const QString& F) {
    // Thousands of new names in one folder: each folder is read once, not once per copy.
    const files::FolderListingScope listes;
    // Folder creation, errors ignored: an existing folder is none, and a parent that cannot be
    // made shows at the first copy.
    if (F.contains(u'\\')) {
        ignoreErrors([&] { files::makeFolder(F.left(F.lastIndexOf(u'\\'))); });
    }
    ignoreErrors([&] { files::makeFolder(F); });
    const QString programme = DossierDuProgramme();
    CopieLesFichiers(programme, motifs, F);
    // The pictures go into the backup folder's Images, made here when it is missing.
    ignoreErrors([&] { files::makeFolder(F + QStringLiteral("\\Images")); });
    if (DossierExiste(programme + QStringLiteral("\\Images"))) {
        CopieLesFichiers(programme + QStringLiteral("\\Images"), QStringLiteral("*.*"),
                         F + QStringLiteral("\\Images"));
    }
    // "C'EST FINI" only once the copies are on the disk: a key may be pulled out right after.
    Source.clear();
    files::flushFileSystem(F);
}

void KovSauvegarde::CopieLesFichiers(const QString& dossier, const QString& motifsDeFichier,
                                     const QString& destination) {
    // The file list is given the folder itself, so the working folder never has to move.
    File1.setPattern(motifsDeFichier);
    File1.setPath(dossier);
    Frame1.Visible = true;
    ProgressBar1.Visible = true;
    DoEvents();
    ProgressBar1.setValue(0);
    Dernier = File1.ListCount() - 1;
    ProgressBar1.Max = Dernier + 1;
    for (Indice = 0; Indice <= Dernier; Indice = Indice + 1) {
        ProgressBar1.setValue(Indice);
        Frame1.Caption = File1.List(Indice);
        DoEvents();
        Source = dossier + QStringLiteral("\\") + File1.List(Indice);
        Destination = destination + QStringLiteral("\\") + File1.List(Indice);
        // One flush of the whole backup at its end, not one per file: thousands of pictures.
        files::copyFile(Source, Destination, files::Flush::Later);
    }
}

void KovSauvegarde::Restor_Click() {
    try {
        files::TextFile fichier(repere, files::OpenMode::Input);
        Selection = fichier.readLine();  // the date, not used here
        Lecteur = fichier.readLine();
        Chemin = fichier.readLine();
        Selection = fichier.readLine();
        fichier.close();
    } catch (const platform::Error& e) {
        MsgBox(QStringLiteral("Le fichier Sauve.kov, qui indique le dossier de la dernière "
                              "sauvegarde, ne peut pas être lu : rien n'a été restauré.\n") +
               e.description());
        return;
    }
    const QString P = Selection;
    const QString B = trimSpaces(Lecteur + Chemin);
    if (!RestaurationPossible(B, P)) {
        return;
    }
    const bool baseOuverte = Db.isSet();
    ignoreErrors([] { Db.Close(); });
    EnCours(QStringLiteral("RESTORATION"));
    ignoreErrors([&] { files::makeFolder(P); });  // a program folder that has gone is made again
    Source.clear();
    try {
        // The file list is given the folder itself, so the working folder never has to move.
        File1.setPattern(QStringLiteral("*.*"));
        File1.setPath(B);
        Dernier = File1.ListCount() - 1;
        for (Indice = 0; Indice <= Dernier; Indice = Indice + 1) {
            Source = B + QStringLiteral("\\") + File1.List(Indice);
            Destination = P + QStringLiteral("\\") + File1.List(Indice);
            // Each file whole on the disk before it replaces the program folder's.
            files::copyFile(Source, Destination);
        }
    } catch (const platform::Error& e) {
        if (Source.isEmpty()) {
            MsgBox(QStringLiteral("La restauration n'a pas pu se faire : rien n'a été "
                                  "restauré.\n") +
                   e.description());
        } else {
            MsgBox(QStringLiteral("La restauration s'est arrêtée sur le fichier %1 :\n%2\n\n"
                                  "Les fichiers copiés avant lui sont restaurés ; les autres sont "
                                  "restés tels qu'ils étaient.")
                       .arg(Source, e.description()));
        }
    }
    KovDepart& depart = forms::Instance<KovDepart>();
    bool rouverte = RouvreLaBase(baseOuverte);
    if (rouverte && baseOuverte) {
        // The restored base may hold other recipes than the one counted before.
        rouverte = ignoreErrors([] {
            Requete = QStringLiteral("Select * from Cuisine");
            Rs = Db.OpenRecordset(Requete);
        });
        if (rouverte) {
            depart.CompteLesRecettes();
        } else {
            MsgBox(QStringLiteral("La base %1 restaurée ne peut pas être lue.").arg(NomBase));
        }
    }
    if (rouverte) {
        depart.Visible = true;
    } else {
        depart.Lire();  // back to the list of the bases
    }
    forms::Unload(*this);
}

bool KovSauvegarde::RestaurationPossible(const QString& B, const QString& P) {
    if (Lecteur == QStringLiteral("C:\\") && Chemin.isEmpty()) {
        MsgBox(
            QStringLiteral("Aucune sauvegarde n'a encore été faite : il n'y a rien à "
                           "restaurer."));
        return false;
    }
    if (P.isEmpty()) {
        MsgBox(
            QStringLiteral("Le fichier Sauve.kov n'indique pas le dossier du programme : "
                           "rien n'a été restauré."));
        return false;
    }
    bool base = false;
    ignoreErrors([&] { base = files::exists(B + QStringLiteral("\\*.mdb")); });
    if (!base) {
        MsgBox(QStringLiteral("Le dossier %1 ne contient aucune base de recettes : rien n'a été "
                              "restauré.\nVérifiez que le support de la sauvegarde est branché.")
                   .arg(B));
        return false;
    }
    if (MemeDossier(B, P)) {
        MsgBox(QStringLiteral("Le dossier de la sauvegarde %1 est le dossier du programme : rien "
                              "n'a été restauré.")
                   .arg(B));
        return false;
    }
    return true;
}

void KovSauvegarde::Qite_Click() {
    forms::Instance<KovDepart>().Visible = true;
    forms::Unload(*this);
}
