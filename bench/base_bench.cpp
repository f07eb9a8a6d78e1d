// The editor's two walks over a full base (32767 recipes of about 3 KB): the title check of a new
// card and the renumbering after a deletion, next to the sqlite3 shell reading every title of the
// same file.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QFile>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "base/catalogue.h"
#include "base/recipe_table.h"
#include "big_base.h"
#include "platform/data/database.h"
#include "shell/donnees.h"

namespace {

constexpr int kRecipes = 32767;

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

// The full base, generated once per run.
const QString& basePath() {
    static const QString path = bigBase(kRecipes, 3000);
    return path;
}

// A copy of the full base at `copy`, made afresh for each run that changes it.
void freshCopy(const QString& copy) {
    QFile::remove(copy);
    QFile::copy(basePath(), copy);
}

// The editor's title check of a new card whose title is in no record: every record is read.
void titleCheck(benchmark::State& state) {
    Donnees::Db = platform::data::DBEngine::OpenDatabase(basePath());
    for (auto _ : state) {
        Donnees::Requete = base::RequeteToutes();
        Donnees::Rs = Donnees::Db.OpenRecordset(Donnees::Requete);
        benchmark::DoNotOptimize(base::TitreExiste(QStringLiteral("Tarte aux pommes")));
        Donnees::Rs.Close();
    }
    state.counters["records"] = static_cast<double>(Donnees::Indice);
    Donnees::Db.Close();
}
BENCHMARK(titleCheck)->Unit(benchmark::kMillisecond);

// Runs the sqlite3 shell on `file` with `sql`, its output thrown away.
void runShell(const QString& file, const char* sql) {
    runQuietly("/usr/bin/sqlite3", {file.toStdString(), sql});
}

// The sqlite3 shell reading every title of the same file.
void shellTitles(benchmark::State& state) {
    for (auto _ : state) {
        runShell(basePath(), "select Titre from Cuisine");
    }
}
BENCHMARK(shellTitles)->Unit(benchmark::kMillisecond);

// Deleting card `state.range(0)` of a full base and renumbering, committed: deleting the first
// card rewrites every other record, deleting the last rewrites none.
void deleteAndRenumber(benchmark::State& state) {
    const QString copy = folder().filePath("COPIE.mdb");
    for (auto _ : state) {
        state.PauseTiming();
        freshCopy(copy);
        Donnees::Db = platform::data::DBEngine::OpenDatabase(copy);
        state.ResumeTiming();

        Donnees::Requete = base::RequeteToutes();
        Donnees::Rs = Donnees::Db.OpenRecordset(Donnees::Requete);
        Donnees::NumFiche = state.range(0);
        if (base::TrouveNumero()) {
            Donnees::Rs.Delete();
        }
        base::Renumerote();
        Donnees::Rs.Close();

        state.PauseTiming();
        Donnees::Db.Close();
        state.ResumeTiming();
    }
}
BENCHMARK(deleteAndRenumber)
    ->Arg(1)
    ->Arg(kRecipes / 2)
    ->Arg(kRecipes)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The floor for the renumbering: the sqlite3 shell deleting the first card and renumbering the
// others in one statement each, in one transaction, on a copy of the same file.
void shellDeleteFirstAndRenumber(benchmark::State& state) {
    const QString copy = folder().filePath("COPIE.mdb");
    for (auto _ : state) {
        state.PauseTiming();
        freshCopy(copy);
        state.ResumeTiming();
        runShell(copy,
                 "BEGIN; DELETE FROM Cuisine WHERE rowid = 1; UPDATE Cuisine SET Numero = Numero "
                 "- 1; COMMIT;");
    }
}
BENCHMARK(shellDeleteFirstAndRenumber)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same deletion and renumbering written directly against SQLite, record by record as the
// recordset does it (read Numero, write it when it changes), in one transaction: what the
// storage itself costs, whatever layer sits on top.
void rawSqliteDeleteFirstAndRenumber(benchmark::State& state) {
    const QString copy = folder().filePath("COPIE.mdb");
    for (auto _ : state) {
        state.PauseTiming();
        freshCopy(copy);
        state.ResumeTiming();
        sqlite3* db = nullptr;
        sqlite3_open(copy.toUtf8().constData(), &db);
        sqlite3_exec(db, "BEGIN IMMEDIATE; DELETE FROM Cuisine WHERE rowid = 1", nullptr, nullptr,
                     nullptr);
        std::vector<sqlite3_int64> rowids;
        sqlite3_stmt* scan = nullptr;
        sqlite3_prepare_v2(db, "SELECT rowid FROM Cuisine ORDER BY rowid", -1, &scan, nullptr);
        while (sqlite3_step(scan) == SQLITE_ROW) {
            rowids.push_back(sqlite3_column_int64(scan, 0));
        }
        sqlite3_finalize(scan);
        sqlite3_stmt* read = nullptr;
        sqlite3_stmt* write = nullptr;
        sqlite3_prepare_v2(db, "SELECT Numero FROM Cuisine WHERE rowid = ?", -1, &read, nullptr);
        sqlite3_prepare_v2(db, "UPDATE Cuisine SET Numero = ? WHERE rowid = ?", -1, &write,
                           nullptr);
        for (std::size_t i = 0; i < rowids.size(); ++i) {
            sqlite3_bind_int64(read, 1, rowids[i]);
            sqlite3_step(read);
            const sqlite3_int64 numero = sqlite3_column_int64(read, 0);
            sqlite3_reset(read);
            if (numero != static_cast<sqlite3_int64>(i + 1)) {
                sqlite3_bind_int64(write, 1, static_cast<sqlite3_int64>(i + 1));
                sqlite3_bind_int64(write, 2, rowids[i]);
                sqlite3_step(write);
                sqlite3_reset(write);
            }
        }
        sqlite3_finalize(read);
        sqlite3_finalize(write);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
}
BENCHMARK(rawSqliteDeleteFirstAndRenumber)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
