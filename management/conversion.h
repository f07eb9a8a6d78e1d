// Bases made by the Windows version of the recipe book (Jet .mdb files): recognised before any
// attempt to open them, and converted into a base made from the template Base.kov, exactly as a
// new base is, the original file kept beside it untouched.
#pragma once

#include <QString>

// Whether the base file `nomBase` is a base of the Windows version (a Jet file).
bool EstAncienneBase(const QString& nomBase);

// Refuses, with the platform error that says why, an old base that cannot be converted: no
// table Cuisine, a missing field among the nine of a recipe, a damaged file. Changes nothing.
void VerifierAncienneBase(const QString& nomBase);

// The name the original file is kept under: `nomBase` followed by ".jet", or by ".2.jet",
// ".3.jet" ... when that name is taken, so that an earlier original is never overwritten.
QString NomDeLOriginal(const QString& nomBase);

// Converts the old base `nomBase`: every record of its table Cuisine, in stored order and all
// nine fields exactly, goes into a new base made from Base.kov; the original file then takes
// the name `original` and the new base its name. The new base is written as one transaction
// into a temporary file that is renamed into place only once complete: if anything fails or
// the program is interrupted, the base file is the original as it was and no half-made base
// exists under its name. Raises the platform error of a failure.
void ConvertirAncienneBase(const QString& nomBase, const QString& original);
