// "Liste des Recettes" on the shared full base (32767 recipes of about 3 KB over the 28
// categories): the browser's listing of the 24 groups into its grid, next to the sqlite3 shell
// running the same 24 category queries on the same file.
#include <benchmark/benchmark.h>

#include <QStringList>

#include "base/catalogue.h"
#include "base/schema.h"
#include "big_base.h"
#include "browser/kov_rubrique.h"
#include "platform/data/database.h"
#include "platform/data/indexes.h"
#include "platform/forms/instances.h"
#include "shell/donnees.h"
#include "shell/mod_form_zoomed.h"

namespace {

constexpr int kRecipes = 32767;

// The full base, generated once per run.
const QString& basePath() {
    static const QString path = bigBase(kRecipes, 3000);
    return path;
}

// Lire as "Autre Recette" runs it: the whole grid emptied and rebuilt from the base.
void fullListing(benchmark::State& state) {
    ModFormZoomed::HauteurEcran = 768 * 15;
    ModFormZoomed::LargeurEcran = 1024 * 15;
    ModFormZoomed::Pourcentage = 102;
    platform::data::setBaseIndexes(base::SchemaCuisine());  // as the program does at start
    Donnees::Db = platform::data::DBEngine::OpenDatabase(basePath());
    KovRubrique& fenetre = platform::forms::Load<KovRubrique>();
    for (auto _ : state) {
        fenetre.Lire();
    }
    state.counters["recipes"] = static_cast<double>(Donnees::Trouve);
    state.counters["rows"] = fenetre.MSFlexGrid1.rowCount();
    platform::forms::Instances::reset();
    Donnees::Db.Close();
}
BENCHMARK(fullListing)->Unit(benchmark::kMillisecond);

// The sqlite3 shell running the listing's 24 queries on the same file, every column of every row
// printed (and thrown away).
void shellCategoryQueries(benchmark::State& state) {
    QStringList requetes;
    for (const base::Categorie* categorie : base::OrdreListe()) {
        requetes << base::RequeteCategorie(categorie->code.toString());
    }
    const std::string sql = requetes.join(QStringLiteral("; ")).toStdString();
    for (auto _ : state) {
        runQuietly("/usr/bin/sqlite3", {basePath().toStdString(), sql});
    }
}
BENCHMARK(shellCategoryQueries)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
