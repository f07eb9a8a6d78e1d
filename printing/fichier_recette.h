// The recipe text file: the card appended to the file named after the recipe's title, in the
// working folder, as Windows-1252 text with CR LF, in the columns of the printed card, its
// preparation wrapped as the printer would wrap it.
#pragma once

#include <QString>

#include "platform/forms/lists.h"

namespace Donnees {

// What the window that asks hands over: its texts as they stand (not trimmed) and its two line
// lists.
struct FicheTexte {
    QString Titre;
    QString TempPrepa;
    QString TempCuisson;
    QString Difficulte;
    QString Vin;
    const platform::forms::ListBox& Ingredients;
    const platform::forms::ListBox& Preparation;
};

// Appends the card to Titre + ".txt". A title that cannot name a file, or a file that cannot be
// written, writes nothing and tells the user; the file then keeps what it held.
void EcritFicheTexte(const FicheTexte& fiche);

}  // namespace Donnees
