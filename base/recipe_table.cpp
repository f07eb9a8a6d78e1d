#include "base/recipe_table.h"

#include "platform/core/error.h"
#include "platform/core/text.h"
#include "shell/donnees.h"

namespace base {

using Donnees::Indice;
using Donnees::NbRecettes;
using Donnees::NumFiche;
using Donnees::Rs;

namespace {

// Runs a move, skipping the failure of a set that holds no record.
template <class F>
bool moveSiNonVide(F&& deplacement) {
    try {
        deplacement();
        return true;
    } catch (const platform::Error& e) {
        if (e.number() != platform::err::NoCurrentRecord) {
            throw;
        }
        return false;
    }
}

// Numero of the current record; a record without a number equals no number.
bool numeroEgal(const platform::Value& numero, long long attendu) {
    return numero.isNumber() && numero.toLongLong() == attendu;
}

}  // namespace

void CompteRecettes() {
    moveSiNonVide([] { Rs.MoveLast(); });
    NbRecettes = Rs.RecordCount() - 1;
    moveSiNonVide([] { Rs.MoveFirst(); });
}

void NumeroNouvelleRecette() {
    NbRecettes = -1;  // kept when the table is empty
    if (moveSiNonVide([] { Rs.MoveLast(); })) {
        const platform::Value numero = Rs.Fields(ChampNumero.toString()).Value();
        if (numero.isNumber()) {
            NbRecettes = numero.toLongLong();
        }
    }
    if (NbRecettes < 0) {
        NbRecettes = 1;
    } else {
        NbRecettes = NbRecettes + 1;
    }
}

bool TitreExiste(const QString& titre) {
    const QString cherche = platform::upperCase(titre);
    if (!moveSiNonVide([] { Rs.MoveFirst(); })) {
        return false;
    }
    // The field handle is taken once: it reads the current record each time.
    const platform::data::Field champ = Rs.Fields(ChampTitre.toString());
    for (Indice = 0; !Rs.Eof(); Indice = Indice + 1) {
        Donnees::Nom = champ.Value().toText();
        if (cherche == Donnees::Nom) {
            return true;
        }
        Rs.MoveNext();
    }
    return false;
}

bool TrouveNumero() {
    CompteRecettes();
    const platform::data::Field champ = Rs.Fields(ChampNumero.toString());
    for (Indice = 0; Indice <= NbRecettes; Indice = Indice + 1) {
        if (numeroEgal(champ.Value(), NumFiche)) {
            return true;
        }
        Rs.MoveNext();
    }
    return false;
}

bool TrouveTitre(const QString& titre) {
    CompteRecettes();
    const platform::data::Field champ = Rs.Fields(ChampTitre.toString());
    for (Indice = 0; Indice <= NbRecettes; Indice = Indice + 1) {
        if (champ.Value().toText() == titre) {
            return true;
        }
        Rs.MoveNext();
    }
    return false;
}

void Renumerote() {
    CompteRecettes();
    platform::data::Field champ = Rs.Fields(ChampNumero.toString());
    for (Indice = 0; Indice <= NbRecettes; Indice = Indice + 1) {
        // Records already in place are left alone: after deleting near the end of a large
        // base only the few records that follow are written.
        if (!numeroEgal(champ.Value(), Indice + 1)) {
            Rs.Edit();
            champ = platform::Value(static_cast<long long>(Indice + 1));
            Rs.Update();
        }
        Rs.MoveNext();
    }
}

}  // namespace base
