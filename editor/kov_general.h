// The recipe card editor of one category: the list of its cards, a card shown in editable boxes,
// a new card; saving, stepping to the neighbouring cards and deleting. The window's three views
// (list, card, new card) are made by showing and hiding its controls and menu commands.
#pragma once

#include <vector>

#include "platform/core/numbers.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/grid.h"
#include "platform/forms/lists.h"
#include "platform/forms/picture.h"

class KovGeneral : public platform::forms::Form {
public:
    KovGeneral();

    platform::forms::Grid MSFlexGrid1{*this, QStringLiteral("MSFlexGrid1")};
    platform::forms::Label Label1{*this, QStringLiteral("Label1")};
    platform::forms::Label Label2{*this, QStringLiteral("Label2")};
    platform::forms::Label Label3{*this, QStringLiteral("Label3")};
    platform::forms::Label Label4{*this, QStringLiteral("Label4")};
    platform::forms::Label Label5{*this, QStringLiteral("Label5")};
    platform::forms::Label Label6{*this, QStringLiteral("Label6")};
    platform::forms::Label Label7{*this, QStringLiteral("Label7")};
    platform::forms::Label Label8{*this, QStringLiteral("Label8")};
    platform::forms::Label Label9{*this, QStringLiteral("Label9")};
    platform::forms::TextBox Text1{*this, QStringLiteral("Text1")};
    platform::forms::TextBox Text2{*this, QStringLiteral("Text2")};
    platform::forms::TextBox Text3{*this, QStringLiteral("Text3")};
    platform::forms::TextBox Text4{*this, QStringLiteral("Text4")};
    platform::forms::TextBox Text5{*this, QStringLiteral("Text5")};
    platform::forms::TextBox Text6{*this, QStringLiteral("Text6")};
    platform::forms::TextBox Text7{*this, QStringLiteral("Text7")};
    platform::forms::TextBox Text8{*this, QStringLiteral("Text8")};
    platform::forms::ListBox List1{*this, QStringLiteral("List1")};
    platform::forms::ListBox List2{*this, QStringLiteral("List2")};
    platform::forms::Picture Image1{*this, QStringLiteral("Image1")};
    platform::forms::CommonDialog CommonDialog1{*this, QStringLiteral("CommonDialog1")};

    using Item = platform::forms::MenuItem;
    Item creer{*this, QStringLiteral("creer"), QStringLiteral("Creer une Fiche")};
    Item Enreg{*this, QStringLiteral("Enreg"), QStringLiteral("Enregistre")};
    Item Enregistre{*this, QStringLiteral("Enregistre"), QStringLiteral("Enregistre")};
    Item Efface{*this, QStringLiteral("Efface"), QStringLiteral("Effacer")};
    Item Preced{*this, QStringLiteral("Preced"), QStringLiteral("Precedant")};
    Item Suivant{*this, QStringLiteral("Suivant"), QStringLiteral("Suivant")};
    Item Imprim{*this, QStringLiteral("Imprim"), QStringLiteral("Imprimer")};
    Item AjoutIma{*this, QStringLiteral("AjoutIma"), QStringLiteral("Ajout Image")};
    Item Retour{*this, QStringLiteral("Retour"), QStringLiteral("Retour")};
    Item Gene{*this, QStringLiteral("Gene"), QStringLiteral("Retour")};

    // Editor window and consultation (kov_general.cpp).
    void Form_Load() override;
    void Lire();
    void Consult();
    void MSFlexGrid1_Click();
    void Retour_Click();
    void Gene_Click();

    // Creating and saving a card (kov_general_saving.cpp).
    void Creer_Click();
    void Enreg_Click();
    void Enregistre_Click();
    void Text1_KeyPress(int& KeyAscii);
    void Text2_KeyPress(int& KeyAscii);
    void Text3_KeyPress(int& KeyAscii);

    // Navigation and deletion (kov_general_navigation.cpp).
    void Preced_Click();
    void Suivant_Click();
    void Efface_Click();

    // Picture and printing (kov_general_output.cpp).
    void AjoutIma_Click();
    void Imprim_Click();
    void Text8_KeyPress(int& KeyAscii);

private:
    // The headings Label2 to Label8, and the boxes Text1 to Text7 under them.
    std::vector<platform::forms::Label*> Etiquettes();
    std::vector<platform::forms::TextBox*> Boites();
    // The boxes Text1 to Text7 from the fields of the current record of Rs, and its picture.
    void AfficheFiche();
    // The card line "Fiche N° ... N° ..." of NumFiche and Position.
    void LigneFiche();
    // List1 and List2 filled from Text5 and Text6 by the line rule.
    void RemplitListes();

    // The checks common to both saves, each with its message; whether the card may be saved.
    bool ControleFiche();
    // The boxes into the record being added or changed: title and times upper-cased, "?" for an
    // empty cooking time or drink, the rest as typed.
    void EcritChamps();
    // The picture of Image1 written under the title typed; the user is told when it cannot be.
    void EcritImage();

    // "Suivant" (+1) and "Precedant" (-1): the card of the category at Position + pas.
    void ChangeFiche(platform::Int32 pas);
};
