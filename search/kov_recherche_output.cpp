// The output of the recipe shown: I for the printed card, anything else for its text file.
#include "platform/core/text.h"
#include "printing/fichier_recette.h"
#include "printing/imprime_fiche.h"
#include "search/kov_recherche.h"
#include "shell/donnees.h"

using namespace Donnees;
using platform::trimSpaces;

void KovRecherche::Imprime_Click() {
    for (platform::forms::TextBox* boite : {&Text2, &Text3, &Text4, &Text5, &Text6, &Text7}) {
        boite->Visible = false;
    }
    for (platform::forms::Label* etiquette : {&Label3, &Label4, &Label5, &Label6, &Label7}) {
        etiquette->Visible = false;
    }
    Label8.Caption = platform::upperCase(QStringLiteral("I=Imprimante ou T=texte"));
    Text8.Visible = true;
    Text8.Text = QStringLiteral("I");
    Text8.SetFocus();
}

void KovRecherche::Text8_KeyPress(int& KeyAscii) {
    Selection = QString(QChar(KeyAscii));
    KeyAscii = platform::upperCase(Selection).at(0).unicode();
    if (KeyAscii != 13) {
        return;
    }
    if (Text8.Text == QStringLiteral("I")) {
        ImpTitre = trimSpaces(Text1.Text);
        ImpPrepa = trimSpaces(Text2.Text);
        ImpCuisson = trimSpaces(Text3.Text);
        ImpDifficulte = trimSpaces(Text4.Text);
        ImpVin = trimSpaces(VinDeLaRecette);
        Origine = 1;
        ImprimeFiche();
        Image1.Clear();
        Lire();
    } else {
        EcritFicheTexte(
            {Text1.Text, Text2.Text, Text3.Text, Text4.Text, VinDeLaRecette, List1, List2});
        Lire();
    }
}
