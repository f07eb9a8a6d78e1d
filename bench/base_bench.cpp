// The editor's two walks over a full base (32767 recipes of about 3 KB): the title check of a new
// card and the renumbering after a deletion, next to the sqlite3 shell reading every title of the
// same file.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sqlite3.h>
#include <sys/wait.h>

#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "base/catalogue.h"
#include "base/recipe_table.h"
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
    static const QString path = [] {
        const QString file = folder().filePath("CUISINE.mdb");
        sqlite3* db = nullptr;
        sqlite3_open(file.toUtf8().constData(), &db);
        sqlite3_exec(db,
                     "CREATE TABLE Cuisine (Numero INTEGER, Categorie TEXT, Titre TEXT, TempPrepa "
                     "TEXT, TempCuisson TEXT, Difficulte TEXT, Vin TEXT, Ingrediant TEXT, "
                     "Preparation TEXT); BEGIN",
                     nullptr, nullptr, nullptr);
        sqlite3_stmt* insert = nullptr;
        sqlite3_prepare_v2(db,
                           "INSERT INTO Cuisine VALUES (?1, 'AGN', ?2, '20 MN', '1 H', 'aaa', "
                           "'Bordeaux', ?3, ?4)",
                           -1, &insert, nullptr);
        std::string ingredients, method;
        for (int line = 0; line < 28; ++line) {
            ingredients += std::string(40, 'i') + "\r\n";  // ~1.2 KB
        }
        for (int line = 0; line < 24; ++line) {
            method += std::string(70, 'p') + "\r\n";  // ~1.7 KB
        }
        for (int i = 1; i <= kRecipes; ++i) {
            const std::string title = "RECETTE NUMERO " + std::to_string(i);
            sqlite3_bind_int(insert, 1, i);
            sqlite3_bind_text(insert, 2, title.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(insert, 3, ingredients.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(insert, 4, method.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        return file;
    }();
    return path;
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
    const std::string name = file.toStdString();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    char* argv[] = {const_cast<char*>("sqlite3"), const_cast<char*>(name.c_str()),
                    const_cast<char*>(sql), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, "/usr/bin/sqlite3", &actions, nullptr, argv, environ) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
    }
    posix_spawn_file_actions_destroy(&actions);
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
        QFile::remove(copy);
        QFile::copy(basePath(), copy);
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
    ->Unit(benchmark::kMillisecond);

// The floor for the renumbering: the sqlite3 shell deleting the first card and renumbering the
// others in one statement each, in one transaction, on a copy of the same file.
void shellDeleteFirstAndRenumber(benchmark::State& state) {
    const QString copy = folder().filePath("COPIE.mdb");
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(copy);
        QFile::copy(basePath(), copy);
        state.ResumeTiming();
        runShell(copy,
                 "BEGIN; DELETE FROM Cuisine WHERE rowid = 1; UPDATE Cuisine SET Numero = Numero "
                 "- 1; COMMIT;");
    }
}
BENCHMARK(shellDeleteFirstAndRenumber)->Unit(benchmark::kMillisecond);

}  // namespace
