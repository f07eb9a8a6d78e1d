// The rules of the table Cuisine that every window follows: its fields and entry limits, and the
// walks over the recordset Donnees::Rs that count, number, check, find and renumber recipes.
// Each walk works on the set the caller opened in Rs and leaves Rs open.
#pragma once

#include <QString>
#include <QStringView>

namespace base {

// The fields of a recipe, by their exact names.
inline constexpr QStringView ChampNumero = u"Numero";
inline constexpr QStringView ChampCategorie = u"Categorie";
inline constexpr QStringView ChampTitre = u"Titre";
inline constexpr QStringView ChampTempPrepa = u"TempPrepa";
inline constexpr QStringView ChampTempCuisson = u"TempCuisson";
inline constexpr QStringView ChampDifficulte = u"Difficulte";
inline constexpr QStringView ChampVin = u"Vin";
inline constexpr QStringView ChampIngrediant = u"Ingrediant";
inline constexpr QStringView ChampPreparation = u"Preparation";

// Entry limits of the editor's boxes, in characters.
inline constexpr int MaxTitre = 100;
inline constexpr int MaxTempPrepa = 25;
inline constexpr int MaxTempCuisson = 25;
inline constexpr int MaxDifficulte = 25;
inline constexpr int MaxVin = 35;

// Counts the set: MoveLast; NbRecettes = RecordCount - 1; MoveFirst. On an empty set the two
// moves fail and are skipped, leaving NbRecettes at -1 so that every scan is empty; any other
// error goes through.
void CompteRecettes();

// The number of a new recipe into NbRecettes, on the whole table: 1 when the table is empty,
// else the last record's Numero + 1 (the overflow error past 32767).
void NumeroNouvelleRecette();

// Whether upper-cased `titre` equals the Titre of a record of the set, exactly; the scan starts
// at the first record and stops on the first equal one (Indice, Nom as it goes).
bool TitreExiste(const QString& titre);

// Counts the set and walks it to the record whose Numero equals NumFiche. Returns whether one
// was found; Rs is then on it, and Indice is its index. Otherwise Rs ends past the last record.
bool TrouveNumero();

// The same walk to the first record whose Titre equals `titre` exactly.
bool TrouveTitre(const QString& titre);

// After a deletion, on the whole table: every record gets its place in stored order as Numero
// (Indice + 1). Only the records whose number changes are written, all through Rs, so the
// deletion and the renumbering commit together when Rs closes.
void Renumerote();

}  // namespace base
