// Recette [FOLDER] opens the recipe book on FOLDER (by default the program's own folder);
// Recette --script FILE plays a scripted session headlessly and prints its transcript.
#include <QString>
#include <filesystem>

#include "platform/files/names.h"
#include "platform/forms/instances.h"
#include "platform/headless/script_player.h"
#include "platform/qt/desktop_main.h"
#include "shell/donnees.h"
#include "shell/kov_depart.h"

namespace {

// Start-up: the main window is created and loaded; nothing runs before its Form_Load.
void demarrer() {
    Donnees::reset();
    platform::forms::Load<KovDepart>();
}

QString dossierDuProgramme() {
    std::error_code erreur;
    const auto exe = std::filesystem::canonical("/proc/self/exe", erreur);
    return erreur ? QString::fromStdString(std::filesystem::current_path().string())
                  : QString::fromStdString(exe.parent_path().string());
}

}  // namespace

int main(int argc, char** argv) {
    QString script;
    QString dossier = dossierDuProgramme();
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (argument == QStringLiteral("--script") && i + 1 < argc) {
            script = QString::fromLocal8Bit(argv[++i]);
        } else {
            dossier = argument;
        }
    }
    if (!script.isEmpty()) {
        return platform::headless::runScriptMain(argc, argv, script, demarrer);
    }
    platform::files::setProgramFolder(dossier);
    return platform::qt::runDesktopMain(argc, argv, demarrer);
}
