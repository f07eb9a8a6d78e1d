// Converting a full base of the Windows version (32767 recipes, the 41 recipes of the Jet
// fixtures over and over, memos up to 3 800 characters) in Jet 4 and in Jet 3; next to it, the
// reading of the same table alone (the share of mdbtools and of its helper process) and the
// SQLite API inserting the same rows from memory (the floor of the writing). Target: a
// conversion under 5 s.
#include <benchmark/benchmark.h>

#include <sqlite3.h>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "big_base.h"
#include "management/conversion.h"
#include "platform/data/jet_table.h"
#include "platform/files/names.h"

namespace {

constexpr int kRecipes = 32767;

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

// The Jet file of `kRecipes` recipes, written once per run by tools/jetfixture.py from the
// rows of the fixtures, each title made unique and the numbers 1..kRecipes in stored order.
QString jetBase(bool jet3) {
    const QString out = folder().filePath(jet3 ? "GRANDE-jet3.mdb" : "GRANDE-jet4.mdb");
    if (QFile::exists(out)) {
        return out;
    }
    QFile expected(QStringLiteral(JET_FIXTURES "/cuisine-expected.json"));
    expected.open(QIODevice::ReadOnly);
    const QJsonArray sample = QJsonDocument::fromJson(expected.readAll())["rows"].toArray();
    QJsonArray rows;
    for (int i = 0; i < kRecipes; ++i) {
        QJsonArray row = sample[i % sample.size()].toArray();
        row[0] = i + 1;
        row[2] = row[2].toString().left(90) + QStringLiteral(" %1").arg(i + 1);
        rows.append(row);
    }
    const QJsonArray columns{
        QJsonArray{"Numero", "long"},          QJsonArray{"Categorie", "text", 3},
        QJsonArray{"Titre", "text", 100},      QJsonArray{"TempPrepa", "text", 25},
        QJsonArray{"TempCuisson", "text", 25}, QJsonArray{"Difficulte", "text", 25},
        QJsonArray{"Vin", "text", 35},         QJsonArray{"Ingrediant", "memo"},
        QJsonArray{"Preparation", "memo"}};
    const QJsonObject table{{"name", "Cuisine"}, {"columns", columns}, {"rows", rows}};
    const QString description = folder().filePath(QStringLiteral("grande.json"));
    QFile json(description);
    json.open(QIODevice::WriteOnly);
    json.write(QJsonDocument(QJsonObject{{"tables", QJsonArray{table}}}).toJson());
    json.close();
    std::vector<std::string> arguments{JETFIXTURE, "json", description.toStdString(),
                                       out.toStdString()};
    if (jet3) {
        arguments.push_back("--jet3");
    }
    runQuietly("/usr/bin/python3", arguments);
    return out;
}

// A program folder holding the template and a fresh copy of the old base as CUISINE.mdb.
void freshFolder(const QString& jet) {
    QFile::remove(folder().filePath(QStringLiteral("CUISINE.mdb")));
    QFile::remove(folder().filePath(QStringLiteral("CUISINE.mdb.jet")));
    QFile::copy(jet, folder().filePath(QStringLiteral("CUISINE.mdb")));
    if (!QFile::exists(folder().filePath(QStringLiteral("Base.kov")))) {
        QFile::copy(QStringLiteral(RECETTE_TEMPLATE),
                    folder().filePath(QStringLiteral("Base.kov")));
    }
    platform::files::setProgramFolder(folder().path());
}

void convert(benchmark::State& state, bool jet3) {
    const QString jet = jetBase(jet3);
    for (auto _ : state) {
        state.PauseTiming();
        freshFolder(jet);
        state.ResumeTiming();
        ConvertirAncienneBase(QStringLiteral("CUISINE.mdb"), QStringLiteral("CUISINE.mdb.jet"));
    }
    state.counters["MB"] = QFile(jet).size() / 1e6;
}

void convertJet4(benchmark::State& state) {
    convert(state, false);
}
BENCHMARK(convertJet4)->Unit(benchmark::kMillisecond)->Iterations(3);

void convertJet3(benchmark::State& state) {
    convert(state, true);
}
BENCHMARK(convertJet3)->Unit(benchmark::kMillisecond)->Iterations(3);

// The reading alone: every row of the Jet 4 table through the helper process, nothing written.
void readJet4(benchmark::State& state) {
    const QString jet = jetBase(false);
    long rows = 0;
    for (auto _ : state) {
        platform::data::JetTable table(jet, QStringLiteral("Cuisine"),
                                       {"Numero", "Categorie", "Titre", "TempPrepa", "TempCuisson",
                                        "Difficulte", "Vin", "Ingrediant", "Preparation"});
        std::vector<platform::Value> row;
        rows = 0;
        while (table.next(row)) {
            ++rows;
        }
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(readJet4)->Unit(benchmark::kMillisecond)->Iterations(3);

// The floor of the writing: the same rows, already in memory, inserted by the SQLite API
// straight into a copy of the template in one transaction, then committed to the disk.
void sqliteInsertFloor(benchmark::State& state) {
    const QStringList fields{"Numero",     "Categorie", "Titre",      "TempPrepa",  "TempCuisson",
                             "Difficulte", "Vin",       "Ingrediant", "Preparation"};
    std::vector<std::vector<platform::Value>> rows;
    {
        platform::data::JetTable table(jetBase(false), QStringLiteral("Cuisine"), fields);
        std::vector<platform::Value> row;
        while (table.next(row)) {
            rows.push_back(row);
        }
    }
    const QString copy = folder().filePath(QStringLiteral("floor.mdb"));
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(copy);
        QFile::copy(QStringLiteral(RECETTE_TEMPLATE), copy);
        state.ResumeTiming();
        sqlite3* db = nullptr;
        sqlite3_open(copy.toUtf8().constData(), &db);
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt* insert = nullptr;
        sqlite3_prepare_v2(db, "INSERT INTO Cuisine VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)",
                           -1, &insert, nullptr);
        for (const auto& row : rows) {
            for (int i = 0; i < 9; ++i) {
                if (row[i].isNull()) {
                    sqlite3_bind_null(insert, i + 1);
                } else if (row[i].isText()) {
                    const QByteArray text = row[i].toText().toUtf8();
                    sqlite3_bind_text(insert, i + 1, text.constData(), text.size(),
                                      SQLITE_TRANSIENT);
                } else {
                    sqlite3_bind_int64(insert, i + 1, row[i].toLongLong());
                }
            }
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
}
BENCHMARK(sqliteInsertFloor)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
