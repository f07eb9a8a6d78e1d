// "Liste des Recettes" on a full base (32767 recipes of about 3 KB): the browser's listing of the
// 24 groups into its grid, on the base as it is and with an index on Categorie, next to the
// sqlite3 shell running the same 24 category queries on the same file.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include "base/catalogue.h"
#include "big_base.h"
#include "browser/kov_rubrique.h"
#include "platform/data/database.h"
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

// A copy of the full base with an index on Categorie, through which the storage finds the
// records of a group without reading the whole table; made once per run.
const QString& indexedBasePath() {
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString copy = dir.filePath(QStringLiteral("INDEX.mdb"));
        QFile::copy(basePath(), copy);
        sqlite3* db = nullptr;
        sqlite3_open(copy.toUtf8().constData(), &db);
        sqlite3_exec(db, "CREATE INDEX Categorie ON Cuisine (Categorie)", nullptr, nullptr,
                     nullptr);
        sqlite3_close(db);
        return copy;
    }();
    return path;
}

// Lire as "Autre Recette" runs it: the whole grid emptied and rebuilt from the base at `path`.
void listing(benchmark::State& state, const QString& path) {
    ModFormZoomed::HauteurEcran = 768 * 15;
    ModFormZoomed::LargeurEcran = 1024 * 15;
    ModFormZoomed::Pourcentage = 102;
    Donnees::Db = platform::data::DBEngine::OpenDatabase(path);
    KovRubrique& fenetre = platform::forms::Load<KovRubrique>();
    for (auto _ : state) {
        fenetre.Lire();
    }
    state.counters["recipes"] = static_cast<double>(Donnees::Trouve);
    state.counters["rows"] = fenetre.MSFlexGrid1.rowCount();
    platform::forms::Instances::reset();
    Donnees::Db.Close();
}

void fullListing(benchmark::State& state) {
    listing(state, basePath());
}
BENCHMARK(fullListing)->Unit(benchmark::kMillisecond);

void fullListingIndexed(benchmark::State& state) {
    listing(state, indexedBasePath());
}
BENCHMARK(fullListingIndexed)->Unit(benchmark::kMillisecond);

// The sqlite3 shell running the listing's 24 queries on the file at `path`, every column of every
// row printed (and thrown away).
void shellQueries(benchmark::State& state, const QString& path) {
    QStringList requetes;
    for (const base::Categorie* categorie : base::OrdreListe()) {
        requetes << base::RequeteCategorie(categorie->code.toString());
    }
    const std::string sql = requetes.join(QStringLiteral("; ")).toStdString();
    for (auto _ : state) {
        runQuietly("/usr/bin/sqlite3", {path.toStdString(), sql});
    }
}

void shellCategoryQueries(benchmark::State& state) {
    shellQueries(state, basePath());
}
BENCHMARK(shellCategoryQueries)->Unit(benchmark::kMillisecond)->UseRealTime();

void shellCategoryQueriesIndexed(benchmark::State& state) {
    shellQueries(state, indexedBasePath());
}
BENCHMARK(shellCategoryQueriesIndexed)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
