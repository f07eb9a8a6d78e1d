#include "shell/donnees.h"

#include "shell/mod_form_zoomed.h"

namespace Donnees {

void reset() {
    Db = {};
    Rs = {};
    for (QString* text : {&Requete, &NomBase, &CodeCategorie, &NomCategorie, &LibCategorie,
                          &Selection, &Nom, &Ligne, &CheminImage, &ImpTitre, &ImpPrepa, &ImpCuisson,
                          &ImpDifficulte, &ImpVin, &Lecteur, &Chemin, &Source, &Destination}) {
        text->clear();
    }
    for (Int32* number : {&Indice, &Longueur, &Trouve, &Position, &NumFiche, &Origine, &Dernier,
                          &NumLigne, &Car, &Coupe}) {
        *number = 0;
    }
    NbRecettes = 0;
    Largeur = 0;
    ModFormZoomed::reset();
}

}  // namespace Donnees
