#include "browser/kov_rubrique.h"

#include "base/catalogue.h"
#include "base/pictures.h"
#include "base/recipe_table.h"
#include "platform/core/error.h"
#include "platform/core/numbers.h"
#include "platform/desktop/desktop.h"
#include "platform/forms/instances.h"
#include "platform/printer/printer.h"
#include "shell/couleurs.h"
#include "shell/donnees.h"
#include "shell/kov_depart.h"
#include "shell/mod_form_zoomed.h"

using namespace Donnees;
using namespace ModFormZoomed;
using platform::ignoreErrors;
using platform::toInt32;
using platform::desktop::MsgBox;
namespace forms = platform::forms;

KovRubrique::KovRubrique() : Form(QStringLiteral("KovRubrique")) {
    Caption = QStringLiteral("Liste des Recettes");
    BackColor = Couleurs::VertClair;
    MSFlexGrid1.place(1500, 700, 9000, 7200);
    Label1.place(3000, 150, 6000, 400);
    Label1.Caption = QStringLiteral("TOUS");
    Label1.Alignment = forms::Center;
    Label2.place(240, 760, 2700, 300);
    Label2.Caption = QStringLiteral("Nom de La recette");
    Label3.place(240, 1260, 2700, 300);
    Label3.Caption = QStringLiteral("Temps de Préparation");
    Label4.place(240, 1760, 2700, 300);
    Label4.Caption = QStringLiteral("Temps de Cuisson");
    Label5.place(240, 2260, 2700, 300);
    Label5.Caption = QStringLiteral("Niveau de Difficulté");
    Label6.place(240, 2900, 5520, 300);
    Label6.Caption = QStringLiteral("Ingrediant");
    Label7.place(6000, 2900, 5760, 300);
    Label7.Caption = QStringLiteral("RECETTE");
    Text1.place(3000, 700, 5160, 400);
    Text2.place(3000, 1200, 3000, 400);
    Text3.place(3000, 1700, 3000, 400);
    Text4.place(3000, 2200, 3000, 400);
    // The letters of the difficulty stand for pictograms, as in the card editor.
    Text4.FontName = QStringLiteral("Webdings");
    Text5.place(240, 3250, 5520, 4600);
    Text6.place(6000, 3250, 5760, 4600);
    for (forms::TextBox* box : {&Text5, &Text6}) {
        box->MultiLine = true;
        box->ScrollBars = true;
    }
    Image1.place(8400, 700, 3360, 2100);
    for (forms::Label* label : {&Label1, &Label2, &Label3, &Label4, &Label5, &Label6, &Label7}) {
        label->BackColor = Couleurs::VertClair;
        label->ForeColor = Couleurs::Bleu;
    }

    MSFlexGrid1.Click = [this] { MSFlexGrid1_Click(); };
    Retour.Click = [this] { Retour_Click(); };
    Effacer.Click = [this] { Effacer_Click(); };
    Imprimante.Click = [this] { Imprimante_Click(); };
    // Closing the window by its frame is "Retour": the main window is never left hidden.
    closeCommand = [this] { Retour_Click(); };
}

std::vector<forms::VisualControl*> KovRubrique::fiche() {
    return {&Label2, &Label3, &Label4, &Label5, &Label6, &Label7,
            &Text1,  &Text2,  &Text3,  &Text4,  &Text5,  &Text6};
}

void KovRubrique::Form_Load() {
    CadreDeConception(*this);
    AgranditFenetre(*this, 100);
    Lire();
}

void KovRubrique::Lire() {
    Effacer.Visible = false;
    Label1.Caption = QStringLiteral("TOUS");
    for (forms::VisualControl* c : fiche()) {
        c->Visible = false;
    }
    Imprimante.Visible = true;

    MSFlexGrid1.Rows = 2;
    MSFlexGrid1.Cols = 2;
    MSFlexGrid1.ColWidth(0) = toInt32(500.0 * Pourcentage / 100);
    MSFlexGrid1.ColWidth(1) = toInt32(7730.0 * Pourcentage / 100);
    MSFlexGrid1.FontSize = 8.0 * Pourcentage / 100;

    MSFlexGrid1.Row = 0;
    MSFlexGrid1.Col = 0;
    MSFlexGrid1.CellAlignment = forms::flexAlignCenterCenter;
    MSFlexGrid1.Text = QStringLiteral("N°");
    MSFlexGrid1.Col = 1;
    MSFlexGrid1.CellAlignment = forms::flexAlignCenterCenter;
    MSFlexGrid1.Text = QStringLiteral("NOM DE LA RECETTE");

    // A group whose recipes cannot be read keeps its heading and the listing goes on; the user
    // is told once the list is shown, so an incomplete list never passes for the whole base.
    QString echec;
    MSFlexGrid1.Row = 0;
    MSFlexGrid1.Rows = 1;
    Trouve = 0;
    bool premier = true;
    for (const base::Categorie* categorie : base::OrdreListe()) {
        CodeCategorie = categorie->code.toString();
        LibCategorie = categorie->libelle.toString();
        // After the first group, the row skipped stays empty as the separator.
        const int saut = premier ? 1 : 2;
        MSFlexGrid1.Rows = MSFlexGrid1.Rows + saut;
        MSFlexGrid1.Row = MSFlexGrid1.Row + saut;
        MSFlexGrid1.Col = 1;
        MSFlexGrid1.CellAlignment = forms::flexAlignCenterCenter;
        MSFlexGrid1.Text = LibCategorie;
        try {
            EcritRecettes();
        } catch (const platform::Error& e) {
            ignoreErrors([] { Rs.Close(); });
            Rs = {};
            if (echec.isEmpty()) {
                echec = e.description();
            }
        }
        premier = false;
    }

    MSFlexGrid1.Visible = true;
    Label1.Caption = QStringLiteral("Nombre de recettes  ") + QString::number(Trouve);
    Show();
    if (!echec.isEmpty()) {
        MsgBox(QStringLiteral("La liste des recettes est incomplète : une partie de la base n'a "
                              "pas pu être lue.\n") +
               echec);
    }
}

void KovRubrique::EcritRecettes() {
    Requete = base::RequeteCategorie(CodeCategorie);
    Rs = Db.OpenRecordset(Requete);
    base::CompteRecettes();
    // The field handles are taken once: they read the current record each time.
    const platform::data::Field numero = Rs.Fields(base::ChampNumero.toString());
    const platform::data::Field titre = Rs.Fields(base::ChampTitre.toString());
    for (Indice = 0; Indice <= NbRecettes; Indice = Indice + 1) {
        Trouve = Trouve + 1;
        MSFlexGrid1.Rows = MSFlexGrid1.Rows + 1;
        MSFlexGrid1.Row = MSFlexGrid1.Row + 1;
        MSFlexGrid1.CellAlignment = forms::flexAlignLeftCenter;
        MSFlexGrid1.Col = 0;
        MSFlexGrid1.Text = numero.Value().toText();
        MSFlexGrid1.Col = 1;
        MSFlexGrid1.Text = titre.Value().toText();
        Rs.MoveNext();
    }
    Rs.Close();
    Rs = {};
}

bool KovRubrique::EstEnTete() {
    if (MSFlexGrid1.Row < MSFlexGrid1.FixedRows) {
        return true;  // the column headings
    }
    // A group heading has no number beside it; a recipe titled like a category ("COQ",
    // "PAIN") has one, and is shown like any other.
    return base::EstLibelle(Selection) && MSFlexGrid1.cellText(MSFlexGrid1.Row, 0).isEmpty();
}

void KovRubrique::MSFlexGrid1_Click() {
    MSFlexGrid1.Col = 1;
    Selection = MSFlexGrid1.Text;
    if (Selection.isEmpty() || EstEnTete()) {
        return;
    }
    Imprimante.Visible = false;
    MSFlexGrid1.Visible = false;

    try {
        Requete = base::RequeteToutes();
        Rs = Db.OpenRecordset(Requete);
        if (base::TrouveTitre(Selection)) {
            base::ChercheLibelle(Rs.Fields(base::ChampCategorie.toString()).Value().toText());
            Text1.Text = Rs.Fields(base::ChampTitre.toString()).Value().toText();
            Text2.Text = Rs.Fields(base::ChampTempPrepa.toString()).Value().toText();
            Text3.Text = Rs.Fields(base::ChampTempCuisson.toString()).Value().toText();
            Text4.Text = Rs.Fields(base::ChampDifficulte.toString()).Value().toText();
            Text5.Text = Rs.Fields(base::ChampIngrediant.toString()).Value().toText();
            Text6.Text = Rs.Fields(base::ChampPreparation.toString()).Value().toText();
            base::MontreImage(Image1, Text1.Text);
        } else {
            // The recipe is no longer in the base: nothing of the one shown before may pass
            // for it.
            for (forms::TextBox* box : {&Text2, &Text3, &Text4, &Text5, &Text6}) {
                box->Text.clear();
            }
            Image1.LoadPicture(QString());
        }
        Rs.Close();
        Rs = {};
    } catch (const platform::Error& e) {
        // The base cannot be read: the list stays in view rather than a half-filled recipe.
        ignoreErrors([] { Rs.Close(); });
        Rs = {};
        MSFlexGrid1.Visible = true;
        Imprimante.Visible = true;
        MsgBox(QStringLiteral("La recette « %1 » n'a pas pu être lue.\n%2")
                   .arg(Selection, e.description()));
        return;
    }

    Text1.Text = Selection;
    Text1.Visible = true;
    Label2.Visible = true;
    Label1.Caption = LibCategorie;
    for (forms::VisualControl* c : std::initializer_list<forms::VisualControl*>{
             &Label3, &Label4, &Label5, &Label6, &Label7, &Text2, &Text3, &Text4, &Text5, &Text6}) {
        c->Visible = true;
    }
    Effacer.Visible = true;
}

void KovRubrique::Retour_Click() {
    forms::Instance<KovDepart>().Visible = true;
    forms::Unload(*this);
}

void KovRubrique::Effacer_Click() {
    Image1.LoadPicture(QString());
    Lire();
}

void KovRubrique::Imprimante_Click() {
    platform::printer::Printer& Printer = platform::printer::printer();
    Printer.FontName = QStringLiteral("Arial");
    Printer.FontSize = 12;
    Printer.Orientation = 1;  // portrait
    Printer.FontBold = true;
    Printer.Print();
    Printer.Print();

    Longueur = 1;
    Dernier = MSFlexGrid1.Rows;
    MSFlexGrid1.Row = 1;
    for (Indice = 1; Indice <= Dernier - 1; Indice = Indice + 1) {
        MSFlexGrid1.Col = 1;
        Printer.Print({platform::Tab{10}, QString(MSFlexGrid1.Text)});
        if (MSFlexGrid1.Row < Dernier - 1) {
            MSFlexGrid1.Row = MSFlexGrid1.Row + 1;
        }
        Longueur = Longueur + 1;
        if (Longueur % 54 == 0) {
            Printer.NewPage();
            Longueur = 0;
        }
    }
    Printer.EndDoc();
}
