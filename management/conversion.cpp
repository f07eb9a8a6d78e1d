#include "management/conversion.h"

#include <QStringList>
#include <vector>

#include "base/recipe_table.h"
#include "platform/core/error.h"
#include "platform/data/database.h"
#include "platform/data/jet_table.h"
#include "platform/files/names.h"
#include "platform/files/operations.h"

namespace files = platform::files;
using platform::data::JetTable;

namespace {

const QString modele = QStringLiteral("Base.kov");
const QString table = QStringLiteral("Cuisine");

// The nine fields of a recipe, read from the old base and written to the new one.
QStringList champs() {
    QStringList noms;
    for (QStringView champ : {base::ChampNumero, base::ChampCategorie, base::ChampTitre,
                              base::ChampTempPrepa, base::ChampTempCuisson, base::ChampDifficulte,
                              base::ChampVin, base::ChampIngrediant, base::ChampPreparation}) {
        noms << champ.toString();
    }
    return noms;
}

// The new base is made under this name beside the old one: not a "*.mdb" name, so that the
// base list never shows it.
QString temporaire(const QString& nomBase) {
    return nomBase + QStringLiteral(".conversion");
}

// A temporary base left by an interrupted conversion is only a copy, and so is its journal,
// which SQLite would otherwise play back into the next temporary base.
void retireTemporaire(const QString& nomBase) {
    for (const QString& nom :
         {temporaire(nomBase), temporaire(nomBase) + QStringLiteral("-journal")}) {
        if (files::exists(nom)) {
            files::removeFile(nom);
        }
    }
}

// Every record of the old base, in stored order, into the empty table of `nouvelle`, through
// one recordset: one transaction, committed when the base closes.
void CopierFiches(const QString& nomBase, const QString& nouvelle) {
    const QStringList noms = champs();
    JetTable ancienne(nomBase, table, noms);
    platform::data::Database base = platform::data::DBEngine::OpenDatabase(nouvelle);
    platform::data::Recordset fiches = base.OpenRecordset(QStringLiteral("Select * from Cuisine"));
    std::vector<platform::Value> fiche;
    while (ancienne.next(fiche)) {
        fiches.AddNew();
        for (qsizetype i = 0; i < noms.size(); ++i) {
            fiches(noms[i]) = fiche[i];
        }
        fiches.Update();
    }
    fiches.Close();
    base.Close();
}

}  // namespace

bool EstAncienneBase(const QString& nomBase) {
    return platform::data::isJetFile(files::resolve(nomBase));
}

void VerifierAncienneBase(const QString& nomBase) {
    try {
        const JetTable ancienne(nomBase, table, champs());
    } catch (const platform::Error& e) {
        if (e.number() == platform::err::TableNotFound ||
            e.number() == platform::err::FieldNotFound) {
            throw platform::Error(
                e.number(),
                e.description() + QStringLiteral("\nCe n'est pas une base de recettes."));
        }
        throw;
    }
}

QString NomDeLOriginal(const QString& nomBase) {
    QString nom = nomBase + QStringLiteral(".jet");
    for (int n = 2; files::exists(nom); ++n) {
        nom = nomBase + QStringLiteral(".%1.jet").arg(n);
    }
    return nom;
}

void ConvertirAncienneBase(const QString& nomBase, const QString& original) {
    bool originalGarde = false;
    try {
        retireTemporaire(nomBase);
        files::copyFile(modele, temporaire(nomBase));
        CopierFiches(nomBase, temporaire(nomBase));
        // The original keeps its content under a second name before the base's name goes to
        // the new file, in one rename: at every moment that name holds one whole base.
        files::linkFile(nomBase, original);
        originalGarde = true;
        files::replaceFile(temporaire(nomBase), nomBase);
    } catch (const platform::Error&) {
        platform::ignoreErrors([&] {
            retireTemporaire(nomBase);
            if (originalGarde) {
                files::removeFile(original);  // the base's name still holds the original
            }
        });
        throw;
    }
}
