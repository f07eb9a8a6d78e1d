// The word search: every recipe of the open base whose title holds the word typed is listed with
// its number and category; a row picked shows that recipe, which can then be printed as a card or
// appended to its text file.
#pragma once

#include <QString>

#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/grid.h"
#include "platform/forms/lists.h"
#include "platform/forms/picture.h"

class KovRecherche : public platform::forms::Form {
public:
    KovRecherche();

    platform::forms::Label Label1{*this, QStringLiteral("Label1")};
    platform::forms::Label Label8{*this, QStringLiteral("Label8")};
    platform::forms::TextBox Text7{*this, QStringLiteral("Text7")};
    platform::forms::Grid MSFlexGrid1{*this, QStringLiteral("MSFlexGrid1")};
    platform::forms::Label Label2{*this, QStringLiteral("Label2")};
    platform::forms::TextBox Text1{*this, QStringLiteral("Text1")};
    platform::forms::Label Label3{*this, QStringLiteral("Label3")};
    platform::forms::TextBox Text2{*this, QStringLiteral("Text2")};
    platform::forms::Label Label4{*this, QStringLiteral("Label4")};
    platform::forms::TextBox Text3{*this, QStringLiteral("Text3")};
    platform::forms::Label Label5{*this, QStringLiteral("Label5")};
    platform::forms::TextBox Text4{*this, QStringLiteral("Text4")};
    platform::forms::Label Label6{*this, QStringLiteral("Label6")};
    platform::forms::TextBox Text5{*this, QStringLiteral("Text5")};
    platform::forms::Label Label7{*this, QStringLiteral("Label7")};
    platform::forms::TextBox Text6{*this, QStringLiteral("Text6")};
    platform::forms::ListBox List1{*this, QStringLiteral("List1")};
    platform::forms::ListBox List2{*this, QStringLiteral("List2")};
    platform::forms::TextBox Text8{*this, QStringLiteral("Text8")};
    platform::forms::Picture Image1{*this, QStringLiteral("Image1")};

    using Item = platform::forms::MenuItem;
    Item Retour{*this, QStringLiteral("Retour"), QStringLiteral("Retour")};
    Item Imprime{*this, QStringLiteral("Imprime"), QStringLiteral("Imprimer")};
    Item Autre{*this, QStringLiteral("Autre"), QStringLiteral("Autre recherche")};

    // The recommended drink of the recipe shown: no box shows it, the outputs print it.
    QString VinDeLaRecette;

    // Word search (kov_recherche.cpp).
    void Form_Load() override;
    void Lire();
    void Text7_KeyPress(int& KeyAscii);
    void MSFlexGrid1_Click();
    void Autre_Click();
    void Retour_Click();

    // Search output (kov_recherche_output.cpp).
    void Imprime_Click();
    void Text8_KeyPress(int& KeyAscii);
};
