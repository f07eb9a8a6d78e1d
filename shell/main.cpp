// Recette [FOLDER] opens the recipe book on FOLDER (by default the program's own folder);
// Recette --script FILE plays a scripted session headlessly and prints its transcript.
#include "base/schema.h"
#include "platform/data/indexes.h"
#include "platform/forms/instances.h"
#include "platform/qt/program_main.h"
#include "shell/donnees.h"
#include "shell/kov_depart.h"

namespace {

// Start-up: the main window is created and loaded; nothing runs before its Form_Load.
void demarrer() {
    Donnees::reset();
    platform::forms::Load<KovDepart>();
}

}  // namespace

int main(int argc, char** argv) {
    // Every base opened gets the template's indexes, which the walks of the recipe table read.
    platform::data::setBaseIndexes(base::SchemaCuisine());
    return platform::qt::runProgramMain(argc, argv, demarrer);
}
