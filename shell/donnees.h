// The global state that the windows share: the open base and its recordset, the category chosen,
// the card to print, and the working values that each action sets before use.
#pragma once

#include <QString>

#include "platform/core/numbers.h"
#include "platform/data/database.h"
#include "platform/data/recordset.h"

namespace Donnees {

using platform::Int16;
using platform::Int32;

inline platform::data::Database Db;   // the open recipe base
inline platform::data::Recordset Rs;  // the recordset in use
inline QString Requete;               // SQL text of Rs
inline QString NomBase;               // file name of the open base, without folder
inline Int16 NbRecettes;       // recipes of the open base; elsewhere a working 16-bit integer
inline QString CodeCategorie;  // code of the category chosen last
inline QString NomCategorie;   // display name of the category chosen last
inline QString LibCategorie;   // display name found by a category lookup
inline QString Selection;      // title picked, word searched, a typed character
inline QString Nom;            // working name (base, title, picture, help command)
inline QString Ligne;          // one output line
inline Int32 Indice;           // loop index
inline Int32 Longueur;         // a length or second index
inline Int32 Trouve;           // recipes listed, or 1 once a recipe matched
inline Int32 Position;         // place of the card shown within its category
inline Int32 NumFiche;         // Numero of the card shown
inline QString CheminImage;    // picture file of the recipe shown
// The card to print.
inline QString ImpTitre;
inline QString ImpPrepa;
inline QString ImpCuisson;
inline QString ImpDifficulte;
inline QString ImpVin;
inline Int32 Origine;  // who asks for a printed card: 1 word search, 2 card editor
// Folders and files of a backup or restore.
inline QString Lecteur;
inline QString Chemin;
inline QString Source;
inline QString Destination;
inline Int32 Dernier;  // files listed minus one; a working integer of the printed list
// Line wrapping.
inline Int32 NumLigne;
inline Int32 Car;
inline Int32 Coupe;
inline Int16 Largeur;  // measured width in twips of the line under construction

// Back to the state at start: texts empty, numbers 0, no base and no recordset (for tests and
// for a new scripted session).
void reset();

}  // namespace Donnees
