// The search window, its start, the search over every title and the recipe shown from a row.
#include "search/kov_recherche.h"

#include "base/catalogue.h"
#include "base/line_rule.h"
#include "base/pictures.h"
#include "base/recipe_table.h"
#include "platform/core/error.h"
#include "platform/core/text.h"
#include "platform/desktop/desktop.h"
#include "platform/forms/instances.h"
#include "shell/donnees.h"
#include "shell/kov_depart.h"
#include "shell/mod_form_zoomed.h"

using namespace Donnees;
using namespace ModFormZoomed;
using platform::ignoreErrors;
using platform::desktop::MsgBox;
namespace forms = platform::forms;

namespace {

// Whether `titre` holds `mot` as a run of consecutive characters, compared exactly: letter case
// and accents count. An empty word is in every title but the empty one.
bool ContientMot(const QString& titre, const QString& mot) {
    return !titre.isEmpty() && titre.contains(mot, Qt::CaseSensitive);
}

}  // namespace

KovRecherche::KovRecherche() : Form(QStringLiteral("KovRecherche")) {
    Caption = QStringLiteral("Chercher une recette");

    // The title, and the word entry under it; the answer box of the output takes the entry's
    // place.
    Label1.place(3000, 150, 6000, 375);
    Label1.Caption = QStringLiteral("RECHERCHE UN MOT");
    Label1.Alignment = forms::Center;
    Label8.place(300, 750, 3600, 300);
    Text7.place(4000, 700, 4000, 375);
    Text8.place(4000, 700, 1200, 375);

    // The word searched, or the title of the recipe shown, above the results or the recipe.
    Label2.place(300, 1250, 3600, 300);
    Label2.Caption = QStringLiteral("Nom de La recette");
    Text1.place(4000, 1200, 4000, 375);
    // Wide enough for its columns (8800 twips at a scale of 100) on every screen, and clear of
    // the picture.
    MSFlexGrid1.place(300, 1800, 7600, 6100);

    // The recipe: its times and difficulty, its ingredients and method, its picture at the right.
    Label3.place(300, 1800, 3600, 300);
    Label3.Caption = QStringLiteral("Temps de Préparation");
    Text2.place(4000, 1750, 4000, 375);
    Label4.place(300, 2300, 3600, 300);
    Label4.Caption = QStringLiteral("Temps de Cuisson");
    Text3.place(4000, 2250, 4000, 375);
    Label5.place(300, 2800, 3600, 300);
    Label5.Caption = QStringLiteral("Niveau de Difficulté");
    Text4.place(4000, 2750, 4000, 375);
    Label6.place(300, 3400, 4200, 300);
    Label6.Caption = QStringLiteral("Ingrediant");
    Text5.place(300, 3750, 4200, 4200);
    List1.place(300, 3750, 4200, 4200);
    Label7.place(4700, 3400, 7000, 300);
    Label7.Caption = QStringLiteral("RECETTE");
    Text6.place(4700, 3750, 7000, 4200);
    List2.place(4700, 3750, 7000, 4200);
    Image1.place(8300, 600, 3400, 2700);

    // The difficulty is stored as letters that the symbol font draws as pictograms, as in the
    // card editor.
    Text4.FontName = QStringLiteral("Webdings");
    for (forms::TextBox* boite : {&Text5, &Text6}) {
        boite->MultiLine = true;
        boite->ScrollBars = true;
    }
    // The line lists are read by the outputs, never shown.
    List1.Visible = false;
    List2.Visible = false;

    Text7.KeyPress = [this](int& KeyAscii) { Text7_KeyPress(KeyAscii); };
    MSFlexGrid1.Click = [this] { MSFlexGrid1_Click(); };
    Autre.Click = [this] { Autre_Click(); };
    Retour.Click = [this] { Retour_Click(); };
    Imprime.Click = [this] { Imprime_Click(); };
    Text8.KeyPress = [this](int& KeyAscii) { Text8_KeyPress(KeyAscii); };
    // Closing by the frame is "Retour", so the main window comes back.
    closeCommand = [this] { Retour_Click(); };
}

void KovRecherche::Form_Load() {
    CadreDeConception(*this);
    AgranditFenetre(*this, 100);
    Lire();
}

void KovRecherche::Lire() {
    Imprime.Visible = false;
    Autre.Visible = false;
    MSFlexGrid1.Visible = false;
    Label8.Visible = true;
    Text7.Visible = true;
    for (forms::Label* etiquette : {&Label2, &Label3, &Label4, &Label5, &Label6, &Label7}) {
        etiquette->Visible = false;
    }
    for (forms::TextBox* boite : {&Text1, &Text2, &Text3, &Text4, &Text5, &Text6, &Text8}) {
        boite->Visible = false;
    }
    for (forms::TextBox* boite : {&Text1, &Text2, &Text3, &Text4, &Text5, &Text6, &Text7}) {
        boite->Text.clear();
    }
    List1.Clear();
    List2.Clear();
    Label8.Caption = platform::upperCase(QStringLiteral("MOT RECHERChé"));
    Label1.Caption = QStringLiteral("RECHERCHE UN MOT");
    Show();
}

void KovRecherche::Text7_KeyPress(int& KeyAscii) {
    if (KeyAscii != 13) {
        return;
    }
    Autre.Visible = true;
    Label8.Visible = false;
    Text7.Visible = false;
    Selection = platform::upperCase(platform::trimSpaces(Text7.Text));

    MSFlexGrid1.Cols = 3;
    MSFlexGrid1.ColWidth(0) = platform::toInt32(800.0 / 100 * Pourcentage);
    MSFlexGrid1.ColWidth(1) = platform::toInt32(2000.0 / 100 * Pourcentage);
    MSFlexGrid1.ColWidth(2) = platform::toInt32(6000.0 / 100 * Pourcentage);
    MSFlexGrid1.FontSize = 8.0 * Pourcentage / 100;
    MSFlexGrid1.Row = 0;
    const QString entetes[] = {QStringLiteral("N°"), QStringLiteral("CATEGORIE"),
                               QStringLiteral("NOM DE LA RECETTE")};
    for (int colonne = 0; colonne < 3; ++colonne) {
        MSFlexGrid1.Col = colonne;
        MSFlexGrid1.Text = entetes[colonne];
        MSFlexGrid1.CellAlignment = forms::flexAlignCenterCenter;
    }

    Requete = base::RequeteToutes();
    Rs = Db.OpenRecordset(Requete);
    // From here on a failing step is skipped: the search never stops on a record it cannot read.
    // An empty base counts -1 and lists nothing.
    ignoreErrors([] { base::CompteRecettes(); });
    MSFlexGrid1.Rows = 1;
    Trouve = 0;
    const platform::data::Field numero = Rs.Fields(base::ChampNumero.toString());
    const platform::data::Field categorie = Rs.Fields(base::ChampCategorie.toString());
    const platform::data::Field titre = Rs.Fields(base::ChampTitre.toString());
    for (Indice = 0; Indice <= NbRecettes; Indice = Indice + 1) {
        ignoreErrors([&] {
            if (!ContientMot(titre.Value().toText(), Selection)) {
                return;
            }
            Trouve = 1;
            MSFlexGrid1.Rows = MSFlexGrid1.Rows + 1;
            MSFlexGrid1.Row = MSFlexGrid1.Rows - 1;
            MSFlexGrid1.Col = 0;
            MSFlexGrid1.Text = numero.Value().toText();
            MSFlexGrid1.CellAlignment = forms::flexAlignLeftCenter;
            MSFlexGrid1.Col = 1;
            // A code the catalogue does not know shows as stored, not as the name found last.
            const QString code = categorie.Value().toText();
            base::ChercheLibelle(code);
            MSFlexGrid1.Text = base::CategorieDuCode(code) != nullptr ? LibCategorie : code;
            MSFlexGrid1.CellAlignment = forms::flexAlignCenterCenter;
            MSFlexGrid1.Col = 2;
            MSFlexGrid1.Text = titre.Value().toText();
            MSFlexGrid1.CellAlignment = forms::flexAlignLeftCenter;
        });
        ignoreErrors([] { Rs.MoveNext(); });
    }
    ignoreErrors([] { Rs.Close(); });
    Rs = {};

    Text1.Text = Selection;
    Text1.Visible = true;
    Label2.Caption = QStringLiteral("MOT RECHERCHER");
    Label2.Visible = true;
    if (Trouve == 1) {
        MSFlexGrid1.Visible = true;
    } else {
        MsgBox(QStringLiteral("Pas de ") + Selection);
        Lire();
    }
}

void KovRecherche::MSFlexGrid1_Click() {
    // The heading row holds no recipe (and is all the grid holds before a search).
    if (MSFlexGrid1.Row < MSFlexGrid1.FixedRows) {
        return;
    }
    Label2.Caption = QStringLiteral("Nom de La recette");
    Autre.Visible = true;
    Imprime.Visible = true;
    MSFlexGrid1.Col = 2;
    Selection = MSFlexGrid1.Text();
    MSFlexGrid1.Visible = false;

    // The first recipe of that title in stored order, whichever row of that title was picked.
    VinDeLaRecette.clear();
    Requete = base::RequeteToutes();
    Rs = Db.OpenRecordset(Requete);
    if (base::TrouveTitre(Selection)) {
        const auto champ = [](QStringView nom) {
            return Rs.Fields(nom.toString()).Value().toText();
        };
        Text1.Text = champ(base::ChampTitre);
        Text2.Text = champ(base::ChampTempPrepa);
        Text3.Text = champ(base::ChampTempCuisson);
        Text4.Text = champ(base::ChampDifficulte);
        Text5.Text = champ(base::ChampIngrediant);
        Text6.Text = champ(base::ChampPreparation);
        VinDeLaRecette = champ(base::ChampVin);
        base::MontreImage(Image1, Text1.Text);
    }
    Rs.Close();
    Rs = {};

    base::RemplitLignes(List1, Text5.Text);
    base::RemplitLignes(List2, Text6.Text);
    Text1.Text = Selection;
    for (forms::Label* etiquette :
         {&Label2, &Label3, &Label4, &Label5, &Label6, &Label7, &Label8}) {
        etiquette->Visible = true;
    }
    for (forms::TextBox* boite : {&Text1, &Text2, &Text3, &Text4, &Text5, &Text6}) {
        boite->Visible = true;
    }
    Text7.Visible = false;
}

void KovRecherche::Autre_Click() {
    Lire();
}

void KovRecherche::Retour_Click() {
    forms::Instance<KovDepart>().Visible = true;
    forms::Unload(*this);
}
