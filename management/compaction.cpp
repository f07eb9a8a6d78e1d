#include "management/compaction.h"

#include "platform/core/error.h"
#include "platform/data/database.h"
#include "platform/desktop/desktop.h"
#include "platform/files/names.h"
#include "platform/files/operations.h"
#include "shell/donnees.h"

using namespace Donnees;
using platform::ignoreErrors;
using platform::desktop::MsgBox;
namespace files = platform::files;

namespace {

// The compacted copy is written beside the base under a working name of its own, which no base
// can bear, then takes the base's place in one rename: at every moment the folder holds either
// the old base or the new one, never neither, and nothing but that copy is ever deleted.
void Compacte(const QString& base) {
    // No other program may write between the copy and the replacement: its write would be lost.
    const platform::data::WriteLock verrou(base);
    const QString temporaire = files::newWorkingName(base);
    bool copie = false;
    try {
        platform::data::DBEngine::CompactDatabase(base, temporaire);
        copie = true;
        files::replaceFile(temporaire, base);
    } catch (const platform::Error&) {
        if (copie) {
            ignoreErrors([&] { files::removeFile(temporaire); });
        }
        throw;
    }
}

}  // namespace

bool Compacter() {
    ignoreErrors([] { Db.Close(); });
    QString echec;
    try {
        // A base that is a link is compacted where it lies, and the link keeps pointing at it.
        Compacte(files::linkTarget(NomBase));
    } catch (const platform::Error& e) {
        echec = e.description();
    }
    try {
        Db = platform::data::DBEngine::OpenDatabase(NomBase);
    } catch (const platform::Error& e) {
        MsgBox(QStringLiteral("La base %1 ne peut plus être ouverte ; la liste des bases est "
                              "affichée de nouveau.\n%2")
                   .arg(NomBase, e.description()));
        return false;
    }
    if (!echec.isEmpty()) {
        MsgBox(QStringLiteral("La base %1 n'a pas pu être compactée ; elle reste telle qu'elle "
                              "était.\n%2")
                   .arg(NomBase, echec));
        return true;
    }
    MsgBox(QStringLiteral("Compactage de la Base de Données et Terminée"));
    return true;
}
