// The card editor at the bound: the shared base of 32767 recipes of about 3 KB, 5000 of them in
// AGNEAU (every sixth card up to 30000). Opening the category's list, showing its last card and
// deleting a card with the renumbering, each through the window, next to the sqlite3 shell running
// the equivalent statements on the same file.
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "big_base.h"
#include "editor/kov_general.h"
#include "platform/data/database.h"
#include "platform/desktop/session.h"
#include "platform/files/names.h"
#include "platform/forms/instances.h"
#include "platform/headless/headless_desktop.h"
#include "shell/donnees.h"
#include "shell/mod_form_zoomed.h"

namespace {

constexpr int kRecipes = 32767;

constexpr int kDerniere = 6 * kOneCategory;  // the number of the category's last card

// The program folder: the placeholder picture, and the base generated once per run.
QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

const QString& basePath() {
    static const QString path = [] {
        QDir(folder().path()).mkpath(QStringLiteral("Images"));
        QFile::copy(QStringLiteral(RECETTE_DATA_DIR "/Images/PAS.jpg"),
                    folder().filePath(QStringLiteral("Images/PAS.jpg")));
        return bigBase(kRecipes, 3000);
    }();
    return path;
}

// A copy of the base at `copy`, on disk before the timing starts: otherwise the first commit's
// sync would also write out the whole fresh copy.
void freshCopy(const QString& copy) {
    QFile::remove(copy);
    QFile::copy(basePath(), copy);
    QFile file(copy);
    if (file.open(QIODevice::ReadWrite)) {
        ::fsync(file.handle());
    }
}

// The editor of AGNEAU on the headless desktop, over the base `file`.
KovGeneral& openEditor(const QString& file) {
    static platform::headless::Transcript transcript{[](const QString&) {}};
    static platform::headless::HeadlessDesktop desktop{transcript};
    platform::desktop::setDesktop(&desktop);
    platform::desktop::resetSession();
    Donnees::reset();
    platform::files::setProgramFolder(folder().path());
    platform::files::changeWorkingFolder(folder().path());
    ModFormZoomed::MesureEcran();
    Donnees::Db = platform::data::DBEngine::OpenDatabase(file);
    Donnees::CodeCategorie = QStringLiteral("AGN");
    Donnees::NomCategorie = QStringLiteral("AGNEAU");
    return platform::forms::Load<KovGeneral>();
}

void closeEditor() {
    Donnees::Db.Close();
    platform::desktop::resetSession();
}

void runShell(const QString& file, const char* sql) {
    runQuietly("/usr/bin/sqlite3", {file.toStdString(), sql});
}

// "Lire": the list of the category's 5000 cards and its count line.
void openTheList(benchmark::State& state) {
    KovGeneral& editeur = openEditor(basePath());
    for (auto _ : state) {
        editeur.Lire();
    }
    state.counters["rows"] = editeur.MSFlexGrid1.rowCount() - 1;
    closeEditor();
}
BENCHMARK(openTheList)->Unit(benchmark::kMillisecond)->UseRealTime();

void shellTheList(benchmark::State& state) {
    for (auto _ : state) {
        runShell(basePath(), "select Numero, Titre from Cuisine where Categorie='AGN'");
    }
}
BENCHMARK(shellTheList)->Unit(benchmark::kMillisecond)->UseRealTime();

// A click on the last row: the category's set walked to its title, the card and its picture.
void showTheLastCard(benchmark::State& state) {
    KovGeneral& editeur = openEditor(basePath());
    const int last = editeur.MSFlexGrid1.rowCount() - 1;
    for (auto _ : state) {
        editeur.MSFlexGrid1.clickCell(last, 1);
    }
    if (editeur.Label9.Caption != QStringLiteral("Fiche N° 30000 N° 5000")) {
        state.SkipWithError("not the last card");
    }
    closeEditor();
}
BENCHMARK(showTheLastCard)->Unit(benchmark::kMillisecond)->UseRealTime();

void shellTheLastCard(benchmark::State& state) {
    for (auto _ : state) {
        runShell(basePath(),
                 "select Titre from Cuisine where Categorie='AGN'; select * from Cuisine where "
                 "Categorie='AGN' and Titre='RECETTE NUMERO 30000'");
    }
}
BENCHMARK(shellTheLastCard)->Unit(benchmark::kMillisecond)->UseRealTime();

// "Effacer" on the card of row `state.range(0)` (the category's last card, or its first, which
// renumbers nearly the whole table), committed, and the list shown again.
void deleteACard(benchmark::State& state) {
    const QString copy = folder().filePath(QStringLiteral("COPIE.mdb"));
    for (auto _ : state) {
        state.PauseTiming();
        freshCopy(copy);
        KovGeneral& editeur = openEditor(copy);
        editeur.MSFlexGrid1.clickCell(static_cast<int>(state.range(0)), 1);
        state.ResumeTiming();

        editeur.Efface_Click();

        state.PauseTiming();
        if (editeur.MSFlexGrid1.rowCount() != 5000) {
            state.SkipWithError("the card was not deleted");
        }
        closeEditor();
        state.ResumeTiming();
    }
}
BENCHMARK(deleteACard)->Arg(5000)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The sqlite3 shell deleting the same card and renumbering those after it, in one transaction.
void shellDeleteACard(benchmark::State& state) {
    const QString copy = folder().filePath(QStringLiteral("COPIE.mdb"));
    const std::string numero = std::to_string(state.range(0) == 1 ? 6 : kDerniere);
    const std::string sql = "BEGIN; DELETE FROM Cuisine WHERE Numero = " + numero +
                            "; UPDATE Cuisine SET Numero = Numero - 1 WHERE Numero > " + numero +
                            "; COMMIT;";
    for (auto _ : state) {
        state.PauseTiming();
        freshCopy(copy);
        state.ResumeTiming();
        runShell(copy, sql.c_str());
    }
}
BENCHMARK(shellDeleteACard)->Arg(5000)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
