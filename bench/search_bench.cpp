// The word search of KovRecherche on a full base (32767 recipes of about 3 KB), through the window
// as the user runs it, next to the sqlite3 shell's LIKE scan for the same word on the same file;
// and the wrapping of one very long preparation line.
#include <benchmark/benchmark.h>

#include <QString>

#include "big_base.h"
#include "platform/data/database.h"
#include "platform/desktop/session.h"
#include "platform/forms/instances.h"
#include "platform/headless/headless_desktop.h"
#include "platform/printer/printer.h"
#include "printing/kov_imprime.h"
#include "search/kov_recherche.h"
#include "shell/donnees.h"

namespace {

namespace forms = platform::forms;

constexpr int kRecipes = 32767;

const QString& basePath() {
    static const QString path = bigBase(kRecipes, 3000);
    return path;
}

// The titles are "RECETTE NUMERO n": "NUMERO 12" is in 1111 of them, "POULET" in none, and the
// empty word in all.
const char* const kWords[] = {"NUMERO 12", "POULET", ""};

// A headless session with the search window loaded on the full base.
struct Session {
    platform::headless::Transcript transcript{[](const QString&) {}};
    platform::headless::HeadlessDesktop desktop{transcript};
    Session() {
        platform::desktop::resetSession();
        platform::desktop::setDesktop(&desktop);
        Donnees::reset();
        Donnees::Db = platform::data::DBEngine::OpenDatabase(basePath());
    }
    ~Session() {
        Donnees::Db.Close();
        platform::desktop::resetSession();
        platform::desktop::setDesktop(nullptr);
    }
};

void windowSearch(benchmark::State& state) {
    Session session;
    KovRecherche& fenetre = forms::Load<KovRecherche>();
    const QString mot = QString::fromUtf8(kWords[state.range(0)]);
    for (auto _ : state) {
        fenetre.Lire();
        fenetre.Text7.paste(mot);
        fenetre.Text7.typeKey(13);
    }
    state.counters["rows"] = fenetre.MSFlexGrid1.rowCount() - 1;
    state.SetLabel(kWords[state.range(0)]);
}
BENCHMARK(windowSearch)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseRealTime();

// The sqlite3 shell listing number, category and title of the matching recipes.
void shellLike(benchmark::State& state) {
    const std::string sql = std::string(
                                "SELECT Numero, Categorie, Titre FROM Cuisine WHERE Titre "
                                "LIKE '%") +
                            kWords[state.range(0)] + "%'";
    for (auto _ : state) {
        runQuietly("/usr/bin/sqlite3", {basePath().toStdString(), sql});
    }
    state.SetLabel(kWords[state.range(0)]);
}
BENCHMARK(shellLike)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseRealTime();

// One preparation line of 20,000 characters (words of 2 to 11 letters) wrapped in Arial 12 bold,
// as the printed card does it.
void wrapLongLine(benchmark::State& state) {
    QString ligne;
    for (int i = 0; ligne.size() < 20000; ++i) {
        ligne += QString(2 + i * 7 % 10, QChar(u'a' + i % 26)) + u' ';
    }
    ligne.truncate(20000);
    auto& imprimante = platform::printer::printer();
    imprimante.FontName = QStringLiteral("Arial");
    imprimante.FontSize = 12;
    imprimante.FontBold = true;
    qsizetype lignes = 0;
    for (auto _ : state) {
        KovImprime& imprime = forms::Load<KovImprime>();
        imprime.List1.AddItem(ligne);
        imprime.Couper();
        lignes = imprime.List2.ListCount();
        forms::Unload(imprime);
        forms::Instances::discardUnloaded();
    }
    state.counters["lines"] = static_cast<double>(lignes);
}
BENCHMARK(wrapLongLine)->Unit(benchmark::kMillisecond);

}  // namespace
