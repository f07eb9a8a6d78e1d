#include "management/kov_creer.h"

#include "platform/core/error.h"
#include "platform/core/text.h"
#include "platform/data/database.h"
#include "platform/desktop/desktop.h"
#include "platform/files/names.h"
#include "platform/files/operations.h"
#include "platform/forms/instances.h"
#include "shell/couleurs.h"
#include "shell/donnees.h"
#include "shell/kov_depart.h"
#include "shell/mod_form_zoomed.h"

using namespace Donnees;
using namespace ModFormZoomed;
using platform::desktop::MsgBox;
namespace files = platform::files;
namespace forms = platform::forms;

namespace {

const QString modele = QStringLiteral("Base.kov");

// Opens the template as the main window will open its copy: a damaged one would give a base that
// never opens.
void VerifieModele() {
    platform::data::Database base = platform::data::DBEngine::OpenDatabase(modele);
    base.OpenRecordset(QStringLiteral("Select * from Cuisine")).Close();
    base.Close();
}

}  // namespace

KovCreer::KovCreer() : Form(QStringLiteral("KovCreer")) {
    Caption = QStringLiteral("Créer une base");
    BackColor = Couleurs::VertClair;
    Frame1.place(3000, 2000, 6000, 4200);
    Label2.place(3500, 2500, 5000, 400);
    Label2.Caption = QStringLiteral("CREER UNE BASE");
    Label2.Alignment = forms::Center;
    Label1.place(3500, 3400, 5000, 300);
    Label1.Caption = QStringLiteral("Nom de La BASE");
    Text1.place(3500, 3900, 5000, 400);
    Command1.place(5000, 5000, 2000, 500);
    Command1.Caption = QStringLiteral("OK");
    for (forms::VisualControl* c :
         std::initializer_list<forms::VisualControl*>{&Frame1, &Label2, &Label1}) {
        c->BackColor = Couleurs::VertClair;
        c->ForeColor = Couleurs::Bleu;
    }
    Retour.Click = [this] { Retour_Click(); };
    Command1.Click = [this] { Command1_Click(); };
    closeCommand = [this] { Retour_Click(); };
}

void KovCreer::Form_Load() {
    CadreDeConception(*this);
    AgranditFenetre(*this, 100);
    Show();
    Text1.SetFocus();
}

void KovCreer::Command1_Click() {
    Text1.Text = platform::upperCase(platform::trimSpaces(Text1.Text));
    Nom = platform::trimSpaces(Text1.Text);
    const Int16 point = Nom.indexOf(u'.') + 1;
    if (point > 0) {
        Nom = Nom.left(point - 1);
    }
    Nom = Nom + QStringLiteral(".MDB");
    if (!files::isPlainFileName(Nom)) {
        MsgBox(
            QStringLiteral("Un nom de base ne peut contenir aucun des caractères "
                           "\\ / : * ? \" < > | ; choisissez un autre nom."));
        return;
    }
    try {
        files::checkNameLength(Nom);
    } catch (const platform::Error& e) {
        MsgBox(e.description());
        return;
    }
    if (files::exists(Nom)) {
        MsgBox(QStringLiteral("CETTE BASE EXISTE CHOISIR UN AUTRE NOM"));
        Text1.Text.clear();
        return;
    }
    if (!files::exists(modele)) {
        MsgBox(
            QStringLiteral("La base modèle Base.kov est introuvable dans le dossier du "
                           "programme : aucune base n'a été créée."));
        return;
    }
    try {
        VerifieModele();
    } catch (const platform::Error& e) {
        MsgBox(QStringLiteral("La base modèle Base.kov est abîmée : aucune base n'a été créée. "
                              "Réinstallez le programme pour la remplacer.\n%1")
                   .arg(e.description()));
        return;
    }
    try {
        files::copyFile(modele, Nom);
    } catch (const platform::Error& e) {
        // The copy is written aside and renamed: a failed one leaves nothing behind.
        MsgBox(QStringLiteral("La base %1 n'a pas pu être créée.\n%2").arg(Nom, e.description()));
        return;
    }
    Retour_Click();
}

void KovCreer::Retour_Click() {
    forms::Load<KovDepart>();
    forms::Unload(*this);
}
