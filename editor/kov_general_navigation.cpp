// Stepping to the previous and next card of the category, and deleting the card shown.
#include <algorithm>

#include "base/catalogue.h"
#include "base/pictures.h"
#include "base/recipe_table.h"
#include "editor/kov_general.h"
#include "platform/core/error.h"
#include "platform/desktop/desktop.h"
#include "shell/donnees.h"

using namespace Donnees;
using platform::desktop::MsgBox;
namespace forms = platform::forms;

void KovGeneral::Preced_Click() {
    ChangeFiche(-1);
}

void KovGeneral::Suivant_Click() {
    ChangeFiche(+1);
}

void KovGeneral::ChangeFiche(platform::Int32 pas) {
    for (forms::TextBox* boite : Boites()) {
        boite->Text.clear();
    }
    Image1.Clear();
    Requete = base::RequeteCategorie(CodeCategorie);
    Rs = Db.OpenRecordset(Requete);
    base::CompteRecettes();
    if (NbRecettes < 0) {
        // The category has no card left to step to.
        Rs.Close();
        Rs = {};
        Lire();
        return;
    }
    if (pas > 0) {
        Position = std::min<long long>(Position + 1, NbRecettes + 1);
    } else {
        Position = std::max<long long>(Position - 1, 1);
    }
    for (Indice = 0; Indice < Position - 1; Indice = Indice + 1) {
        Rs.MoveNext();
    }
    NumFiche = Rs.Fields(base::ChampNumero.toString()).Value().toLongLong();
    AfficheFiche();
    Rs.Close();
    Rs = {};
    LigneFiche();
    List1.Clear();
    List2.Clear();
    RemplitListes();
}

void KovGeneral::Efface_Click() {
    Requete = base::RequeteToutes();
    Rs = Db.OpenRecordset(Requete);
    const bool trouve = base::TrouveNumero();
    if (trouve) {
        Nom = Rs.Fields(base::ChampTitre.toString()).Value().toText();
        Rs.Delete();
    }
    base::Renumerote();
    // The deletion and the renumbering commit here, together.
    Rs.Close();
    Rs = {};
    // The picture goes only once the card is gone for good: a crash before the commit keeps
    // the card with its picture.
    if (trouve) {
        try {
            base::SupprimeImage(Nom);
        } catch (const platform::Error& e) {
            MsgBox(QStringLiteral("La fiche est effacée, mais son image n'a pas pu être "
                                  "supprimée.\n") +
                   e.description());
        }
    }
    Lire();
}
