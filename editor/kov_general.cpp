// The editor's window, its start, the list of the category's cards and the card shown from a row.
#include "editor/kov_general.h"

#include "base/catalogue.h"
#include "base/line_rule.h"
#include "base/pictures.h"
#include "base/recipe_table.h"
#include "platform/forms/instances.h"
#include "shell/donnees.h"
#include "shell/kov_depart.h"
#include "shell/mod_form_zoomed.h"

using namespace Donnees;
using namespace ModFormZoomed;
namespace forms = platform::forms;

KovGeneral::KovGeneral() : Form(QStringLiteral("KovGeneral")) {
    Caption = QStringLiteral("Fiches recettes");

    // The list view: the count line above the grid of numbers and titles.
    Label1.place(300, 100, 7400, 300);
    Label1.FontBold = true;
    Label1.FontSize = 9.75;
    MSFlexGrid1.place(300, 500, 7400, 7400);

    // The card view: the card line, the boxes under their headings, the picture at the right.
    Label9.place(300, 450, 7400, 300);
    Label2.place(300, 850, 3500, 255);
    Label2.Caption = QStringLiteral("Nom de La recette");
    Text1.place(300, 1100, 7400, 375);
    Label3.place(300, 1600, 2400, 255);
    Label3.Caption = QStringLiteral("Temps de Préparation");
    Text2.place(300, 1850, 2400, 375);
    Label4.place(2800, 1600, 2400, 255);
    Label4.Caption = QStringLiteral("Temps de Cuisson");
    Text3.place(2800, 1850, 2400, 375);
    Label5.place(5300, 1600, 2400, 255);
    Label5.Caption = QStringLiteral("Niveau de Difficulté");
    Text4.place(5300, 1850, 2400, 375);
    Label8.place(300, 2350, 3500, 255);
    Label8.Caption = QStringLiteral("Boisson conseiller");
    Text7.place(300, 2600, 7400, 375);
    Text8.place(300, 2600, 1200, 375);
    Label6.place(300, 3100, 3600, 255);
    Label6.Caption = QStringLiteral("Ingrédient");
    Text5.place(300, 3350, 3600, 4550);
    List1.place(300, 3350, 3600, 4550);
    Label7.place(4100, 3100, 3600, 255);
    Label7.Caption = QStringLiteral("RECETTE");
    Text6.place(4100, 3350, 7600, 4550);
    List2.place(4100, 3350, 7600, 4550);
    Image1.place(8200, 450, 3500, 2800);

    Text1.MaxLength = base::MaxTitre;
    Text2.MaxLength = base::MaxTempPrepa;
    Text3.MaxLength = base::MaxTempCuisson;
    Text4.MaxLength = base::MaxDifficulte;
    Text7.MaxLength = base::MaxVin;
    for (forms::TextBox* boite : {&Text1, &Text2, &Text3, &Text5, &Text6, &Text7}) {
        boite->FontBold = true;
        boite->FontSize = 8.25;
    }
    // The difficulty is typed as letters that the symbol font draws as pictograms.
    Text4.FontName = QStringLiteral("Webdings");
    Text4.FontSize = 13.5;
    for (forms::TextBox* boite : {&Text5, &Text6}) {
        boite->MultiLine = true;
        boite->ScrollBars = true;
    }
    // The line lists are read by the print and the export, never shown.
    List1.Visible = false;
    List2.Visible = false;

    MSFlexGrid1.Click = [this] { MSFlexGrid1_Click(); };
    creer.Click = [this] { Creer_Click(); };
    Enreg.Click = [this] { Enreg_Click(); };
    Enregistre.Click = [this] { Enregistre_Click(); };
    Efface.Click = [this] { Efface_Click(); };
    Preced.Click = [this] { Preced_Click(); };
    Suivant.Click = [this] { Suivant_Click(); };
    Retour.Click = [this] { Retour_Click(); };
    Gene.Click = [this] { Gene_Click(); };
    AjoutIma.Click = [this] { AjoutIma_Click(); };
    Imprim.Click = [this] { Imprim_Click(); };
    Text8.KeyPress = [this](int& KeyAscii) { Text8_KeyPress(KeyAscii); };
    Text1.KeyPress = [this](int& KeyAscii) { Text1_KeyPress(KeyAscii); };
    Text2.KeyPress = [this](int& KeyAscii) { Text2_KeyPress(KeyAscii); };
    Text3.KeyPress = [this](int& KeyAscii) { Text3_KeyPress(KeyAscii); };
    // Closing by the frame is the closing "Retour", so the main window comes back; not while the
    // category's text window holds the editor out of use.
    closeCommand = [this] {
        if (Enabled) {
            Gene_Click();
        }
    };
}

std::vector<forms::Label*> KovGeneral::Etiquettes() {
    return {&Label2, &Label3, &Label4, &Label5, &Label6, &Label7, &Label8};
}

std::vector<forms::TextBox*> KovGeneral::Boites() {
    return {&Text1, &Text2, &Text3, &Text4, &Text5, &Text6, &Text7};
}

void KovGeneral::Form_Load() {
    CadreDeConception(*this);
    AgranditFenetre(*this, 100);
    Lire();
}

void KovGeneral::Lire() {
    creer.Visible = true;
    for (Item* commande : {&AjoutIma, &Enregistre, &Efface, &Enreg, &Suivant, &Preced, &Imprim}) {
        commande->Visible = false;
    }
    for (forms::Label* etiquette : Etiquettes()) {
        etiquette->Visible = false;
    }
    Label9.Visible = false;
    for (forms::TextBox* boite : Boites()) {
        boite->Visible = false;
    }
    Text8.Visible = false;
    // A print choice left by another command than Enter must not leave its prompt as the drink's
    // heading.
    Label8.Caption = QStringLiteral("Boisson conseiller");
    for (forms::TextBox* boite : Boites()) {
        boite->Text.clear();
    }
    Consult();
    Retour.Visible = false;
    Gene.Visible = true;
    Show();
}

void KovGeneral::Consult() {
    MSFlexGrid1.Rows = 2;
    MSFlexGrid1.Cols = 2;
    MSFlexGrid1.ColWidth(0) = platform::toInt32(800.0 / 100 * Pourcentage);
    MSFlexGrid1.ColWidth(1) = platform::toInt32(8000.0 / 100 * Pourcentage);
    MSFlexGrid1.FontSize = 8.0 * Pourcentage / 100;
    MSFlexGrid1.Row = 0;
    MSFlexGrid1.Col = 0;
    MSFlexGrid1.Text = QStringLiteral("N°");
    MSFlexGrid1.CellAlignment = forms::flexAlignCenterCenter;
    MSFlexGrid1.Col = 1;
    MSFlexGrid1.Text = QStringLiteral("NOM DE LA RECETTE");
    MSFlexGrid1.CellAlignment = forms::flexAlignCenterCenter;

    Requete = base::RequeteCategorie(CodeCategorie);
    Rs = Db.OpenRecordset(Requete);
    // An empty category counts -1 (its moves fail and are skipped): no row, a count of 0.
    base::CompteRecettes();
    Label1.Caption =
        NomCategorie + QStringLiteral("  Nombre de Fiches ") + QString::number(NbRecettes + 1);
    MSFlexGrid1.Rows = 1;
    const platform::data::Field numero = Rs.Fields(base::ChampNumero.toString());
    const platform::data::Field titre = Rs.Fields(base::ChampTitre.toString());
    for (Indice = 0; Indice <= NbRecettes; Indice = Indice + 1) {
        MSFlexGrid1.Rows = MSFlexGrid1.Rows + 1;
        MSFlexGrid1.Row = MSFlexGrid1.Rows - 1;
        MSFlexGrid1.Col = 0;
        MSFlexGrid1.Text = numero.Value().toText();
        MSFlexGrid1.CellAlignment = forms::flexAlignCenterCenter;
        MSFlexGrid1.Col = 1;
        MSFlexGrid1.Text = titre.Value().toText();
        MSFlexGrid1.CellAlignment = forms::flexAlignLeftCenter;
        Rs.MoveNext();
    }
    Rs.Close();
    Rs = {};
    MSFlexGrid1.Visible = true;
}

void KovGeneral::MSFlexGrid1_Click() {
    // The heading row holds no card (and is all the list holds when the category is empty).
    if (MSFlexGrid1.Row < MSFlexGrid1.FixedRows) {
        return;
    }
    List1.Clear();
    List2.Clear();
    for (Item* commande : {&Efface, &Enregistre, &Imprim, &Suivant, &Preced}) {
        commande->Visible = true;
    }
    MSFlexGrid1.Col = 0;
    NumFiche = platform::Value(MSFlexGrid1.Text()).toLongLong();
    MSFlexGrid1.Col = 1;
    Selection = MSFlexGrid1.Text();
    MSFlexGrid1.Visible = false;

    Requete = base::RequeteCategorie(CodeCategorie);
    Rs = Db.OpenRecordset(Requete);
    bool trouve = base::TrouveTitre(Selection);
    if (trouve && Rs.Fields(base::ChampNumero.toString()).Value().toLongLong() != NumFiche) {
        // Cards sharing one title (older versions let a modification make them): the card
        // shown is the one of the row picked, so that saving it never overwrites the other.
        trouve = base::TrouveNumero();
    }
    Position = Indice + 1;
    if (trouve) {
        AfficheFiche();
    }
    Rs.Close();
    Rs = {};

    Label9.Visible = true;
    LigneFiche();
    RemplitListes();
    for (forms::Label* etiquette : Etiquettes()) {
        etiquette->Visible = true;
    }
    for (forms::TextBox* boite : Boites()) {
        boite->Visible = true;
    }
    Retour.Visible = true;
    Gene.Visible = false;
}

void KovGeneral::AfficheFiche() {
    const auto champ = [](QStringView nom) { return Rs.Fields(nom.toString()).Value().toText(); };
    Text1.Text = champ(base::ChampTitre);
    Text2.Text = champ(base::ChampTempPrepa);
    Text3.Text = champ(base::ChampTempCuisson);
    Text4.Text = champ(base::ChampDifficulte);
    Text5.Text = champ(base::ChampIngrediant);
    Text6.Text = champ(base::ChampPreparation);
    Text7.Text = champ(base::ChampVin);
    if (!base::MontreImage(Image1, Text1.Text)) {
        AjoutIma.Visible = true;
    }
}

void KovGeneral::LigneFiche() {
    Label9.Caption = QStringLiteral("Fiche N° ") + QString::number(NumFiche) +
                     QStringLiteral(" N° ") + QString::number(Position);
}

void KovGeneral::RemplitListes() {
    base::RemplitLignes(List1, Text5.Text);
    base::RemplitLignes(List2, Text6.Text);
}

void KovGeneral::Retour_Click() {
    Image1.Clear();
    Lire();
}

void KovGeneral::Gene_Click() {
    forms::Instance<KovDepart>().Visible = true;
    forms::Unload(*this);
}
