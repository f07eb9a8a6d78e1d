// Install [FOLDER] installs the recipe book from FOLDER (by default the installer's own folder);
// Install --script FILE plays a scripted session headlessly and prints its transcript.
#include "install/ecrire_icone.h"
#include "platform/desktop/desktop.h"
#include "platform/forms/instances.h"
#include "platform/qt/program_main.h"

namespace {
void demarrer() {
    platform::desktop::setProgramTitle(QStringLiteral("Install"));
    platform::forms::Load<EcrireIcone>();
}
}  // namespace

int main(int argc, char** argv) {
    return platform::qt::runProgramMain(argc, argv, demarrer);
}
