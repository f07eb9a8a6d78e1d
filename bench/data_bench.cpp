// A full base (32767 recipes of about 2 KB) opened, counted and scanned through the recordset,
// next to the sqlite3 shell doing the equivalent queries on the same file.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <malloc.h>
#include <spawn.h>
#include <sqlite3.h>
#include <sys/wait.h>

#include <QTemporaryDir>

#include "platform/data/database.h"

using namespace platform::data;

namespace {

constexpr int kRecipes = 32767;

// The base, generated once per run into a temporary folder.
const QString& basePath() {
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath("CUISINE.mdb");
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
        const std::string ingredients = std::string(40, 'i') + "\r\n";
        const std::string method = std::string(70, 'p') + "\r\n";
        std::string a, b;
        for (int line = 0; line < 20; ++line) {
            a += ingredients;  // ~840 bytes
        }
        for (int line = 0; line < 16; ++line) {
            b += method;  // ~1150 bytes
        }
        for (int i = 1; i <= kRecipes; ++i) {
            const std::string title = "RECETTE NUMERO " + std::to_string(i);
            sqlite3_bind_int(insert, 1, i);
            sqlite3_bind_text(insert, 2, title.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(insert, 3, a.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(insert, 4, b.c_str(), -1, SQLITE_TRANSIENT);
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

size_t heapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

void openCountLast(benchmark::State& state) {
    const QString& path = basePath();
    for (auto _ : state) {
        Database db = DBEngine::OpenDatabase(path);
        Recordset rs = db.OpenRecordset("Select * from Cuisine");
        rs.MoveLast();
        benchmark::DoNotOptimize(rs.RecordCount());
        rs.Close();
        db.Close();
    }
    // Heap held by an open whole-table recordset, the connection's page cache included.
    const size_t before = heapInUse();
    Database db = DBEngine::OpenDatabase(path);
    Recordset rs = db.OpenRecordset("Select * from Cuisine");
    rs.MoveLast();
    const size_t after = heapInUse();
    state.counters["records"] = static_cast<double>(rs.RecordCount());
    state.counters["open_set_MB"] = static_cast<double>(after - before) / (1024.0 * 1024.0);
    db.Close();
}
BENCHMARK(openCountLast)->Unit(benchmark::kMillisecond);

void scanTitles(benchmark::State& state) {
    const QString& path = basePath();
    for (auto _ : state) {
        Database db = DBEngine::OpenDatabase(path);
        Recordset rs = db.OpenRecordset("Select * from Cuisine");
        qsizetype characters = 0;
        for (; !rs.Eof(); rs.MoveNext()) {
            characters += rs.Fields("Titre").Value().toText().size();
        }
        benchmark::DoNotOptimize(characters);
        db.Close();
    }
}
BENCHMARK(scanTitles)->Unit(benchmark::kMillisecond);

// Runs the sqlite3 shell on the base with `sql`, its output thrown away.
void runShell(const char* sql) {
    const std::string file = basePath().toStdString();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    char* argv[] = {const_cast<char*>("sqlite3"), const_cast<char*>(file.c_str()),
                    const_cast<char*>(sql), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, "/usr/bin/sqlite3", &actions, nullptr, argv, environ) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
    }
    posix_spawn_file_actions_destroy(&actions);
}

void shellCount(benchmark::State& state) {
    basePath();
    for (auto _ : state) {
        runShell("select count(*) from Cuisine");
    }
}
BENCHMARK(shellCount)->Unit(benchmark::kMillisecond);

void shellTitles(benchmark::State& state) {
    basePath();
    for (auto _ : state) {
        runShell("select Titre from Cuisine");
    }
}
BENCHMARK(shellTitles)->Unit(benchmark::kMillisecond);

}  // namespace
