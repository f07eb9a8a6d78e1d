#include "management/compaction.h"

#include "platform/core/error.h"
#include "platform/data/database.h"
#include "platform/desktop/desktop.h"
#include "platform/files/operations.h"
#include "shell/donnees.h"

using namespace Donnees;
using platform::ignoreErrors;
using platform::desktop::MsgBox;
namespace files = platform::files;

namespace {
const QString temporaire = QStringLiteral("temp.MDB");
}

void Compacter() {
    ignoreErrors([] { Db.Close(); });
    try {
        // A copy left by a compaction that was interrupted is only a copy: the base itself was
        // never touched before the copy was complete.
        if (files::exists(temporaire)) {
            files::removeFile(temporaire);
        }
        platform::data::DBEngine::CompactDatabase(NomBase, temporaire);
        // The compacted copy takes the base's place in one rename: at every moment the folder
        // holds either the old base or the new one, never neither.
        files::replaceFile(temporaire, NomBase);
    } catch (const platform::Error& e) {
        ignoreErrors([] {
            if (files::exists(temporaire)) {
                files::removeFile(temporaire);
            }
        });
        MsgBox(QStringLiteral("La base %1 n'a pas pu être compactée ; elle reste telle qu'elle "
                              "était.\n%2")
                   .arg(NomBase, e.description()));
        Db = platform::data::DBEngine::OpenDatabase(NomBase);
        return;
    }
    MsgBox(QStringLiteral("Compactage de la Base de Données et Terminée"));
    Db = platform::data::DBEngine::OpenDatabase(NomBase);
}
