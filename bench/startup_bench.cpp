// The start of Recette to its first window, headless, and the opening of a base of 32767
// recipes with its count shown, next to the sqlite3 shell counting the same file.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "big_base.h"

namespace {

// A program folder holding the big base, and two scripts: start only, and start then open.
struct Folder {
    QTemporaryDir dir;
    std::string startOnly, startAndOpen;
    Folder() {
        QFile::copy(bigBase(32767, 2000), dir.filePath(QStringLiteral("CUISINE.mdb")));
        startOnly = write("start.script", "start\n");
        startAndOpen = write("open.script", "start\npick KovDepart.File1 \"CUISINE.mdb\"\n");
    }
    std::string write(const char* name, const char* text) {
        QFile file(dir.filePath(QString::fromUtf8(name)));
        file.open(QIODevice::WriteOnly);
        file.write(text);
        return file.fileName().toStdString();
    }
};

Folder& folder() {
    static Folder f;
    return f;
}

void recetteStart(benchmark::State& state) {
    const std::string script = folder().startOnly;
    for (auto _ : state) {
        benchmark::DoNotOptimize(runQuietly(RECETTE_EXE, {"--script", script}));
    }
}
BENCHMARK(recetteStart)->Unit(benchmark::kMillisecond)->UseRealTime();

void recetteStartAndOpenBigBase(benchmark::State& state) {
    const std::string script = folder().startAndOpen;
    for (auto _ : state) {
        benchmark::DoNotOptimize(runQuietly(RECETTE_EXE, {"--script", script}));
    }
}
BENCHMARK(recetteStartAndOpenBigBase)->Unit(benchmark::kMillisecond)->UseRealTime();

void sqlite3Count(benchmark::State& state) {
    const std::string base =
        QDir(folder().dir.path()).filePath(QStringLiteral("CUISINE.mdb")).toStdString();
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            runQuietly("/usr/bin/sqlite3", {base, "select count(*) from Cuisine"}));
    }
}
BENCHMARK(sqlite3Count)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
