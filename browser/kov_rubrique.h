// "Liste des Recettes": every recipe of the open base in one grid, grouped by category in the
// order of the full listing, with the number of recipes listed; a click shows one recipe in the
// same window, and the list prints.
#pragma once

#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/grid.h"
#include "platform/forms/picture.h"

class KovRubrique : public platform::forms::Form {
public:
    KovRubrique();

    platform::forms::Grid MSFlexGrid1{*this, QStringLiteral("MSFlexGrid1")};
    platform::forms::Label Label1{*this, QStringLiteral("Label1")};
    platform::forms::Label Label2{*this, QStringLiteral("Label2")};
    platform::forms::Label Label3{*this, QStringLiteral("Label3")};
    platform::forms::Label Label4{*this, QStringLiteral("Label4")};
    platform::forms::Label Label5{*this, QStringLiteral("Label5")};
    platform::forms::Label Label6{*this, QStringLiteral("Label6")};
    platform::forms::Label Label7{*this, QStringLiteral("Label7")};
    platform::forms::TextBox Text1{*this, QStringLiteral("Text1")};
    platform::forms::TextBox Text2{*this, QStringLiteral("Text2")};
    platform::forms::TextBox Text3{*this, QStringLiteral("Text3")};
    platform::forms::TextBox Text4{*this, QStringLiteral("Text4")};
    platform::forms::TextBox Text5{*this, QStringLiteral("Text5")};
    platform::forms::TextBox Text6{*this, QStringLiteral("Text6")};
    platform::forms::Picture Image1{*this, QStringLiteral("Image1")};

    using Item = platform::forms::MenuItem;
    Item Retour{*this, QStringLiteral("Retour"), QStringLiteral("Retour")};
    Item Effacer{*this, QStringLiteral("Effacer"), QStringLiteral("Autre Recette")};
    Item Imprimante{*this, QStringLiteral("Imprimante"), QStringLiteral("Imprimer")};

    // The listing.
    void Form_Load() override;
    void Lire();
    // The recipe display.
    void MSFlexGrid1_Click();
    // The commands.
    void Retour_Click();
    void Effacer_Click();
    void Imprimante_Click();

private:
    // The labels and boxes of the detail view, in their order on the window.
    std::vector<platform::forms::VisualControl*> fiche();
    // Writes the recipes of CodeCategorie below its heading.
    void EcritRecettes();
    // Whether the current row is a group heading: a display name, and no number beside it.
    bool EstEnTete();
};
