// A backup of a full program folder (two bases of 32767 recipes and the template, 2000 pictures
// of 50 KB, the category texts) next to cp -r of the same folder. The backup runs on the headless
// desktop and on the Qt one, whose repaint at each file processes the window's events. It ends by
// flushing the backup's file system, so cp -r followed by sync is measured too. Every run starts
// with no copy on the drive and nothing left to write from the previous run.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "backup/kov_sauvegarde.h"
#include "big_base.h"
#include "platform/desktop/session.h"
#include "platform/files/names.h"
#include "platform/forms/instances.h"
#include "platform/headless/headless_desktop.h"
#include "platform/qt/qt_desktop.h"
#include "shell/donnees.h"
#include "shell/mod_form_zoomed.h"

namespace files = platform::files;
namespace forms = platform::forms;

namespace {

constexpr int kPictures = 2000;
constexpr int kPictureBytes = 50 * 1024;

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

// C:\Programme, the folder backed up, and D:, the drive of the backups.
struct Folders {
    QTemporaryDir root;
    QString programme = root.filePath(QStringLiteral("Programme"));
    QString cle = root.filePath(QStringLiteral("cle"));
    QString copie = cle + QStringLiteral("/Sauvegarde");

    Folders() {
        QDir().mkpath(programme + QStringLiteral("/Images"));
        QDir().mkpath(cle);
        const QString base = bigBase(32767, 3000);
        for (const char* name : {"CUISINE.mdb", "FAMILLE.mdb", "Base.kov"}) {
            QFile::copy(base, programme + u'/' + QString::fromUtf8(name));
        }
        for (int i = 0; i < 28; ++i) {
            write(programme + QStringLiteral("/CATEGORIE %1.txt").arg(i), QByteArray(2000, 't'));
        }
        QByteArray picture(kPictureBytes, Qt::Uninitialized);
        for (int i = 0; i < kPictures; ++i) {
            QRandomGenerator::global()->fillRange(reinterpret_cast<quint32*>(picture.data()),
                                                  picture.size() / 4);
            write(programme + QStringLiteral("/Images/RECETTE NUMERO %1.jpg").arg(i), picture);
        }
        write(programme + QStringLiteral("/Sauve.kov"),
              "09/12/2024\r\nD:\\\r\nSauvegarde\\Recettes\r\nC:\\Programme\r\n");
        files::setDrive(u'C', root.path());
        files::setDrive(u'D', cle);
        files::setProgramFolder(programme);
    }

    // Before each run: no copy on the drive, and nothing left to write from the previous run.
    void clear() const {
        QDir(copie).removeRecursively();
        const int fd = ::open(QFile::encodeName(root.path()).constData(), O_RDONLY | O_DIRECTORY);
        ::syncfs(fd);
        ::close(fd);
    }

    double bytes() const {
        double total = 0;
        for (const QString& folder : {programme, programme + QStringLiteral("/Images")}) {
            for (const QFileInfo& f : QDir(folder).entryInfoList(QDir::Files)) {
                total += static_cast<double>(f.size());
            }
        }
        return total;
    }
};

Folders& folders() {
    static Folders f;
    return f;
}

void countBytes(benchmark::State& state) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * folders().bytes()));
}

// cp -r of the program folder to the drive, then sync of the drive when `thenSync`.
void cpRecursive(benchmark::State& state, bool thenSync) {
    const std::string from = folders().programme.toStdString();
    const std::string to = folders().copie.toStdString();
    for (auto _ : state) {
        state.PauseTiming();
        folders().clear();
        state.ResumeTiming();
        runQuietly("/bin/cp", {"-r", from, to});
        if (thenSync) {
            runQuietly("/bin/sync", {"-f", to});
        }
    }
    countBytes(state);
}
BENCHMARK_CAPTURE(cpRecursive, alone, false)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3)
    ->Repetitions(3);
BENCHMARK_CAPTURE(cpRecursive, thenSync, true)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3)
    ->Repetitions(3);

// "Sauvegarde" of the backup window to D:\Sauvegarde\Recettes, each run as one user action of
// `desktop`; `run` carries the action out as that desktop does.
template <class Run>
void backupOn(benchmark::State& state, platform::desktop::Desktop& desktop, Run run) {
    folders();
    platform::desktop::setDesktop(&desktop);
    platform::desktop::resetSession();
    Donnees::reset();
    ModFormZoomed::MesureEcran();  // as the main window does before any other window opens
    run([] { forms::Load<KovSauvegarde>(); });
    KovSauvegarde& fenetre = forms::Instance<KovSauvegarde>();
    for (auto _ : state) {
        state.PauseTiming();
        folders().clear();
        fenetre.Text1.Text = QStringLiteral("D:\\Sauvegarde\\Recettes");
        state.ResumeTiming();
        run([&] { fenetre.Sauve_Click(); });
        if (fenetre.Text1.Text != QStringLiteral("C'EST FINI")) {
            state.SkipWithError("the backup did not finish");
            break;
        }
    }
    countBytes(state);
    platform::desktop::resetSession();
    platform::desktop::setDesktop(nullptr);
}

void backupHeadless(benchmark::State& state) {
    platform::headless::Transcript transcript{[](const QString&) {}};
    platform::headless::HeadlessDesktop desktop{transcript};
    backupOn(state, desktop,
             [](const std::function<void()>& action) { platform::desktop::runEvent(action); });
}
BENCHMARK(backupHeadless)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3)
    ->Repetitions(3);

void backupQtDesktop(benchmark::State& state) {
    platform::qt::QtDesktop desktop;
    backupOn(state, desktop,
             [&](const std::function<void()>& action) { desktop.runUserAction(action); });
}
BENCHMARK(backupQtDesktop)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3)
    ->Repetitions(3);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
