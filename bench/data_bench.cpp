// A full base (32767 recipes of about 2 KB) opened, counted and scanned through the recordset,
// next to the sqlite3 shell doing the equivalent queries on the same file.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <sqlite3.h>

#include <QFile>
#include <cstdio>

#include "big_base.h"
#include "platform/data/database.h"
#include "platform/files/operations.h"

using namespace platform::data;

namespace {

constexpr int kRecipes = 32767;

// The base, generated once per run into a temporary folder.
const QString& basePath() {
    static const QString path = bigBase(kRecipes, 2000);
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
    runQuietly("/usr/bin/sqlite3", {basePath().toStdString(), sql});
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

namespace {

// "Compresse Base": the compacted copy written by the engine, next to VACUUM INTO itself.
void compactDatabase(benchmark::State& state) {
    const QString& path = basePath();
    const QString copy = path + QStringLiteral(".compact");
    for (auto _ : state) {
        DBEngine::CompactDatabase(path, copy);
        state.PauseTiming();
        QFile::remove(copy);
        state.ResumeTiming();
    }
}
BENCHMARK(compactDatabase)->Unit(benchmark::kMillisecond)->UseRealTime();

// The whole compaction on the disk: the base's write lock held from the copy to the
// replacement, the copy under a working name beside it, and the rename that keeps its mode.
void compactInPlace(benchmark::State& state) {
    const QString path = basePath() + QStringLiteral(".in-place.mdb");
    QFile::remove(path);
    QFile::copy(basePath(), path);
    for (auto _ : state) {
        const WriteLock lock(path);
        const QString copy = platform::files::newWorkingName(path);
        DBEngine::CompactDatabase(path, copy);
        platform::files::replaceFile(copy, path);
    }
    QFile::remove(path);
}
BENCHMARK(compactInPlace)->Unit(benchmark::kMillisecond)->UseRealTime();

void vacuumInto(benchmark::State& state) {
    const std::string path = basePath().toStdString();
    const std::string copy = path + ".vacuum";
    for (auto _ : state) {
        sqlite3* db = nullptr;
        sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_exec(db, ("VACUUM INTO '" + copy + "'").c_str(), nullptr, nullptr, nullptr);
        sqlite3_close(db);
        state.PauseTiming();
        std::remove(copy.c_str());
        state.ResumeTiming();
    }
}
BENCHMARK(vacuumInto)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
