// The picture chosen for a card, and the card shown printed or appended to its text file.
#include <QFileInfo>

#include "editor/kov_general.h"
#include "platform/core/error.h"
#include "platform/core/text.h"
#include "platform/desktop/desktop.h"
#include "platform/files/names.h"
#include "printing/fichier_recette.h"
#include "printing/imprime_fiche.h"
#include "shell/donnees.h"

using namespace Donnees;
using platform::trimSpaces;
using platform::desktop::MsgBox;
namespace files = platform::files;
namespace forms = platform::forms;

void KovGeneral::AjoutIma_Click() {
    CommonDialog1.Filter =
        files::windowsName(files::programFolder()) + QStringLiteral("(*.jpg)|*.jpg");
    // Where the dialog of the original platform opened: the working folder.
    CommonDialog1.InitDir = files::workingFolder();
    // A cancelled dialog leaves the picture shown as it was.
    if (!CommonDialog1.ShowOpen()) {
        return;
    }
    Nom = CommonDialog1.FileName;
    try {
        Image1.LoadPicture(Nom);
    } catch (const platform::Error& e) {
        MsgBox(QStringLiteral("L'image « %1 » ne peut pas être affichée (%2).")
                   .arg(QFileInfo(Nom).fileName(), platform::standardDescription(e.number())));
    }
}

void KovGeneral::Imprim_Click() {
    for (forms::TextBox* boite : {&Text2, &Text3, &Text4, &Text5, &Text6, &Text7}) {
        boite->Visible = false;
    }
    for (forms::Label* etiquette : {&Label3, &Label4, &Label5, &Label6, &Label7}) {
        etiquette->Visible = false;
    }
    ImpTitre = trimSpaces(Text1.Text);
    ImpPrepa = trimSpaces(Text2.Text);
    ImpCuisson = trimSpaces(Text3.Text);
    ImpDifficulte = trimSpaces(Text4.Text);
    ImpVin = trimSpaces(Text7.Text);
    Label8.Caption = platform::upperCase(QStringLiteral("I=Imprimante ou T=texte"));
    Text8.Visible = true;
    Text8.Text = QStringLiteral("I");
    Text8.SetFocus();
}

void KovGeneral::Text8_KeyPress(int& KeyAscii) {
    Selection = QString(QChar(KeyAscii));
    KeyAscii = platform::upperCase(Selection).at(0).unicode();
    if (KeyAscii != 13) {
        return;
    }
    Label8.Caption = QStringLiteral("Boisson conseiller");
    if (Text8.Text == QStringLiteral("I")) {
        Origine = 2;
        ImprimeFiche();
        Image1.Clear();
        Lire();
    } else {
        EcritFicheTexte({Text1.Text, Text2.Text, Text3.Text, Text4.Text, Text7.Text, List1, List2});
        Lire();
    }
}
