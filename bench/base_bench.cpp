// The walks of the recipe table over a full base (32767 recipes of about 3 KB, 5000 of them in
// category AGN), written as the windows write them: the editor's list of one category and its
// title check, the word search, the 24 category sets of the full listing, and the deletion with
// its renumbering; and the first opening of a base that lacks the indexes. Beside them, the same
// reads made with the raw SQLite C API in this process.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sqlite3.h>

#include <QFile>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "base/catalogue.h"
#include "base/recipe_table.h"
#include "base/schema.h"
#include "big_base.h"
#include "platform/core/text.h"
#include "platform/data/database.h"
#include "platform/data/indexes.h"
#include "shell/donnees.h"

namespace {

using namespace Donnees;

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

size_t heapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// InStr(titre, mot) > 0: an exact run of characters; an empty title holds nothing.
bool contient(const QString& titre, const QString& mot) {
    return !titre.isEmpty() && titre.contains(mot, Qt::CaseSensitive);
}

// The editor's list of one category: open the set, count it, read Numero and Titre of each
// record.
void listeCategorie(const QString& code) {
    Requete = base::RequeteCategorie(code);
    Rs = Db.OpenRecordset(Requete);
    base::CompteRecettes();
    for (Indice = 0; Indice <= NbRecettes; Indice = Indice + 1) {
        benchmark::DoNotOptimize(Rs.Fields("Numero").Value().toText());
        benchmark::DoNotOptimize(Rs.Fields("Titre").Value().toText());
        Rs.MoveNext();
    }
    Rs.Close();
}

void categoryList(benchmark::State& state) {
    Db = platform::data::DBEngine::OpenDatabase(basePath());
    for (auto _ : state) {
        listeCategorie(QStringLiteral("AGN"));
    }
    state.counters["records"] = static_cast<double>(NbRecettes + 1);
    Db.Close();
}
BENCHMARK(categoryList)->Unit(benchmark::kMillisecond);

// The 24 category sets of the full listing, one after the other.
void fullListing(benchmark::State& state) {
    Db = platform::data::DBEngine::OpenDatabase(basePath());
    for (auto _ : state) {
        Trouve = 0;
        for (const base::Categorie* categorie : base::OrdreListe()) {
            listeCategorie(categorie->code.toString());
            Trouve = Trouve + (NbRecettes + 1);
        }
    }
    state.counters["records"] = static_cast<double>(Trouve);
    Db.Close();
}
BENCHMARK(fullListing)->Unit(benchmark::kMillisecond);

// The editor's title check of a new card whose title is in no record: every record is read.
void titleCheck(benchmark::State& state) {
    Db = platform::data::DBEngine::OpenDatabase(basePath());
    for (auto _ : state) {
        Requete = base::RequeteToutes();
        Rs = Db.OpenRecordset(Requete);
        benchmark::DoNotOptimize(base::TitreExiste(QStringLiteral("Tarte aux pommes")));
        Rs.Close();
    }
    state.counters["records"] = static_cast<double>(Indice);
    Db.Close();
}
BENCHMARK(titleCheck)->Unit(benchmark::kMillisecond);

// The word search: every Titre of the whole table tested for the word; a record found has its
// number and category name read too. "NUMERO 1000" is in 11 titles.
void wordSearch(benchmark::State& state) {
    Db = platform::data::DBEngine::OpenDatabase(basePath());
    for (auto _ : state) {
        Selection = platform::upperCase(platform::trimSpaces(QStringLiteral(" numero 1000 ")));
        Requete = base::RequeteToutes();
        Rs = Db.OpenRecordset(Requete);
        base::CompteRecettes();
        Trouve = 0;
        for (Indice = 0; Indice <= NbRecettes; Indice = Indice + 1) {
            if (contient(Rs.Fields("Titre").Value().toText(), Selection)) {
                Trouve = Trouve + 1;
                benchmark::DoNotOptimize(Rs.Fields("Numero").Value().toText());
                base::ChercheLibelle(Rs.Fields("Categorie").Value().toText());
            }
            Rs.MoveNext();
        }
        Rs.Close();
    }
    state.counters["found"] = static_cast<double>(Trouve);
    Db.Close();
}
BENCHMARK(wordSearch)->Unit(benchmark::kMillisecond);

// Heap added by an open whole-table set once Titre, Numero and Categorie were read on every
// record (the connection's page cache included).
void openSetMemory(benchmark::State& state) {
    Db = platform::data::DBEngine::OpenDatabase(basePath());
    size_t added = 0;
    for (auto _ : state) {
        const size_t before = heapInUse();
        Rs = Db.OpenRecordset(base::RequeteToutes());
        for (; !Rs.Eof(); Rs.MoveNext()) {
            benchmark::DoNotOptimize(Rs.Fields("Titre").Value());
            benchmark::DoNotOptimize(Rs.Fields("Numero").Value());
            benchmark::DoNotOptimize(Rs.Fields("Categorie").Value());
        }
        added = heapInUse() - before;
        Rs.Close();
        Rs = {};
    }
    state.counters["set_MB"] = static_cast<double>(added) / (1024.0 * 1024.0);
    Db.Close();
}
BENCHMARK(openSetMemory)->Unit(benchmark::kMillisecond)->Iterations(5);

// Deleting card `state.range(0)` of a full base and renumbering, committed: deleting the first
// card rewrites every other record, deleting the last rewrites none.
void deleteAndRenumber(benchmark::State& state) {
    const QString copy = folder().filePath("COPIE.mdb");
    for (auto _ : state) {
        state.PauseTiming();
        freshCopy(copy);
        Db = platform::data::DBEngine::OpenDatabase(copy);
        state.ResumeTiming();

        Requete = base::RequeteToutes();
        Rs = Db.OpenRecordset(Requete);
        NumFiche = state.range(0);
        if (base::TrouveNumero()) {
            Rs.Delete();
        }
        base::Renumerote();
        Rs.Close();

        state.PauseTiming();
        Db.Close();
        state.ResumeTiming();
    }
}
BENCHMARK(deleteAndRenumber)
    ->Arg(1)
    ->Arg(kRecipes / 2)
    ->Arg(kRecipes)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The full base as made before the template had indexes.
const QString& baseWithoutIndexes() {
    static const QString path = [] {
        const QString copy = folder().filePath("ANCIENNE.mdb");
        freshCopy(copy);
        sqlite3* db = nullptr;
        sqlite3_open(copy.toUtf8().constData(), &db);
        sqlite3_exec(db, "DROP INDEX Cuisine_Titre; DROP INDEX Cuisine_Categorie; VACUUM", nullptr,
                     nullptr, nullptr);
        sqlite3_close(db);
        return copy;
    }();
    return path;
}

// Opening such a base the first time: the template's indexes are added.
void openAddingIndexes(benchmark::State& state) {
    platform::data::setBaseIndexes(base::SchemaCuisine());
    const QString copy = folder().filePath("COPIE.mdb");
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(copy);
        QFile::copy(baseWithoutIndexes(), copy);
        state.ResumeTiming();
        Db = platform::data::DBEngine::OpenDatabase(copy);
        Db.Close();
    }
    platform::data::setBaseIndexes({});
}
BENCHMARK(openAddingIndexes)->Unit(benchmark::kMillisecond)->UseRealTime();

// Reads every row of `sql` with the raw SQLite C API on the full base; the connection is opened
// once, as Db is above.
void rawScan(benchmark::State& state, const char* sql) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(basePath().toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* scan = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &scan, nullptr);
    long rows = 0;
    for (auto _ : state) {
        rows = 0;
        while (sqlite3_step(scan) == SQLITE_ROW) {
            benchmark::DoNotOptimize(sqlite3_column_text(scan, 1));
            ++rows;
        }
        sqlite3_reset(scan);
    }
    state.counters["records"] = static_cast<double>(rows);
    sqlite3_finalize(scan);
    sqlite3_close(db);
}
// Every Titre read from the table's own pages, the walk that costs every row's page.
BENCHMARK_CAPTURE(rawScan, titlesFromTable, "SELECT rowid, Titre FROM Cuisine NOT INDEXED")
    ->Unit(benchmark::kMillisecond);
// Every Titre, from the index when the base has one.
BENCHMARK_CAPTURE(rawScan, titles, "SELECT rowid, Titre FROM Cuisine")
    ->Unit(benchmark::kMillisecond);
// Number and title of the recipes of the big category.
BENCHMARK_CAPTURE(rawScan, category,
                  "SELECT rowid, Titre, Numero FROM Cuisine WHERE Categorie = 'AGN'")
    ->Unit(benchmark::kMillisecond);

// Runs the sqlite3 shell on `file` with `sql`, its output thrown away.
void runShell(const QString& file, const char* sql) {
    runQuietly("/usr/bin/sqlite3", {file.toStdString(), sql});
}

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
