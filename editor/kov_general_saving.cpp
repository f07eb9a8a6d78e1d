// Creating a card, the two "Enregistre" commands, and the boxes that upper-case what is typed.
#include "base/catalogue.h"
#include "base/pictures.h"
#include "base/recipe_table.h"
#include "editor/kov_general.h"
#include "platform/core/error.h"
#include "platform/core/text.h"
#include "platform/desktop/desktop.h"
#include "shell/donnees.h"

using namespace Donnees;
using platform::upperCase;
using platform::desktop::MsgBox;
namespace forms = platform::forms;

namespace {

const QString ExisteDeja = QStringLiteral("Cette recette existe déjà");

// A field of the record being added or changed in Rs.
platform::data::Field champ(QStringView nom) {
    return Rs.Fields(nom.toString());
}

// "?" stands for a cooking time or a drink left empty.
QString ouInconnu(const QString& texte) {
    return texte.isEmpty() ? QStringLiteral("?") : texte;
}

void fermeRs() {
    Rs.Close();
    Rs = {};
}

// The key typed, upper-cased; a key without an upper-case form passes unchanged.
void Majuscule(int& KeyAscii) {
    KeyAscii = upperCase(QString(QChar(static_cast<char16_t>(KeyAscii))))[0].unicode();
}

}  // namespace

void KovGeneral::Creer_Click() {
    Image1.Clear();
    Image1.Visible = true;
    AjoutIma.Visible = true;
    for (Item* commande : {&Enregistre, &Efface, &Enreg, &Imprim, &creer}) {
        commande->Visible = false;
    }
    MSFlexGrid1.Visible = false;
    Enreg.Visible = true;
    for (forms::Label* etiquette : Etiquettes()) {
        etiquette->Visible = true;
    }
    for (forms::TextBox* boite : Boites()) {
        boite->Visible = true;
        boite->Text.clear();
    }
}

bool KovGeneral::ControleFiche() {
    if (platform::trimSpaces(Text4.Text).isEmpty()) {
        MsgBox(QStringLiteral("Dificulté doit etre servis"));
        return false;
    }
    if (platform::trimSpaces(Text5.Text).isEmpty()) {
        MsgBox(QStringLiteral("Ingrédiant doit etre servis"));
        return false;
    }
    if (platform::trimSpaces(Text6.Text).isEmpty()) {
        MsgBox(QStringLiteral("Préparation doit etre servis"));
        return false;
    }
    // The title names the card's picture file: it must be a file name, checked before anything
    // is written (an empty title is accepted, its card simply has no picture).
    if (!Text1.Text.isEmpty() && !base::TitreNommeImage(Text1.Text)) {
        MsgBox(
            QStringLiteral("Le nom de la recette sert de nom à son image : il ne peut être ni "
                           "« . » ni « .. », ni contenir aucun des caractères "
                           "\\ / : * ? \" < > | ; changez le nom."));
        return false;
    }
    return true;
}

void KovGeneral::Enreg_Click() {
    if (!ControleFiche()) {
        return;
    }
    Requete = base::RequeteToutes();
    Rs = Db.OpenRecordset(Requete);
    try {
        base::NumeroNouvelleRecette();
    } catch (const platform::Error& e) {
        if (e.number() != platform::err::Overflow) {
            throw;
        }
        fermeRs();
        MsgBox(
            QStringLiteral("La base contient déjà 32767 fiches, le plus grand nombre qu'elle "
                           "puisse tenir : effacez-en une avant d'en créer une autre."));
        return;
    }
    if (base::TitreExiste(Text1.Text)) {
        fermeRs();
        // The typed card stays on screen: only its title needs changing.
        MsgBox(ExisteDeja);
        return;
    }
    Rs.AddNew();
    champ(base::ChampNumero) = platform::Value(static_cast<long long>(NbRecettes));
    champ(base::ChampCategorie) = platform::Value(CodeCategorie);
    EcritChamps();
    Rs.Update();
    // Committed before the picture is written, so that a picture that cannot be written never
    // takes the card with it.
    fermeRs();
    EcritImage();
    Lire();
}

void KovGeneral::Enregistre_Click() {
    if (!ControleFiche()) {
        return;
    }
    Requete = base::RequeteToutes();
    Rs = Db.OpenRecordset(Requete);
    if (!base::TrouveNumero()) {
        fermeRs();
        Lire();
        return;
    }
    // Two cards of one title would share, and overwrite, one picture file: a card may keep the
    // title it has, but not take another card's.
    const QString titreEnregistre = champ(base::ChampTitre).Value().toText();
    if (upperCase(Text1.Text) != titreEnregistre) {
        if (base::TitreExiste(Text1.Text)) {
            fermeRs();
            MsgBox(ExisteDeja);
            return;
        }
        base::TrouveNumero();
    }
    Rs.Edit();
    EcritChamps();
    Rs.Update();
    fermeRs();
    EcritImage();
    Image1.Clear();
    Lire();
}

void KovGeneral::EcritChamps() {
    champ(base::ChampTitre) = platform::Value(upperCase(Text1.Text));
    champ(base::ChampTempPrepa) = platform::Value(upperCase(Text2.Text));
    champ(base::ChampTempCuisson) = platform::Value(ouInconnu(upperCase(Text3.Text)));
    champ(base::ChampVin) = platform::Value(ouInconnu(Text7.Text));
    champ(base::ChampDifficulte) = platform::Value(Text4.Text);
    champ(base::ChampIngrediant) = platform::Value(Text5.Text);
    champ(base::ChampPreparation) = platform::Value(Text6.Text);
}

void KovGeneral::EcritImage() {
    if (Image1.isEmpty()) {
        return;  // a new card without a chosen picture: there is nothing to write
    }
    if (Text1.Text.isEmpty()) {
        MsgBox(
            QStringLiteral("La fiche est enregistrée sans image : une recette sans nom ne "
                           "peut pas avoir d'image."));
        return;
    }
    try {
        base::EnregistreImage(Image1, Text1.Text);
    } catch (const platform::Error& e) {
        MsgBox(
            QStringLiteral("La fiche est enregistrée, mais son image n'a pas pu être écrite.\n") +
            e.description());
    }
}

void KovGeneral::Text1_KeyPress(int& KeyAscii) {
    Majuscule(KeyAscii);
}

void KovGeneral::Text2_KeyPress(int& KeyAscii) {
    Majuscule(KeyAscii);
}

void KovGeneral::Text3_KeyPress(int& KeyAscii) {
    Majuscule(KeyAscii);
}
