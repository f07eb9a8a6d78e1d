#include "platform/files/system_error.h"

#include <QFileInfo>
#include <cerrno>

#include "platform/core/error.h"
#include "platform/files/names.h"

namespace platform::files {

namespace {

// The verb of the message, with its preposition ("de lire", "d'écrire").
QString verb(Action action) {
    switch (action) {
        case Action::Read:
            return QStringLiteral("de lire");
        case Action::Write:
            return QStringLiteral("d'écrire");
        case Action::Copy:
            return QStringLiteral("de copier vers");
        case Action::Remove:
            return QStringLiteral("de supprimer");
        case Action::Rename:
            return QStringLiteral("de remplacer");
        case Action::MakeFolder:
            return QStringLiteral("de créer le dossier");
    }
    return {};
}

}  // namespace

QString systemCause(int errnum) {
    switch (errnum) {
        case EACCES:
        case EPERM:
            return QStringLiteral(
                "accès refusé : le fichier est protégé ou le dossier n'accepte "
                "pas l'écriture");
        case EROFS:
            return QStringLiteral("le disque est en lecture seule");
        case ENOSPC:
        case EDQUOT:
            return QStringLiteral("plus de place sur le disque");
        case ENOENT:
            return QStringLiteral("fichier ou dossier introuvable");
        case ENOTDIR:
            return QStringLiteral("un élément du chemin n'est pas un dossier");
        case ENAMETOOLONG:
            return QStringLiteral("nom trop long pour le disque");
        case EBUSY:
        case ETXTBSY:
            return QStringLiteral("fichier utilisé par un autre programme");
        case EEXIST:
        case ENOTEMPTY:
            return QStringLiteral("un dossier ou un fichier porte déjà ce nom");
        case EISDIR:
            return QStringLiteral("c'est un dossier, pas un fichier");
        case ELOOP:
            return QStringLiteral("trop de liens symboliques en chaîne");
        case EMFILE:
        case ENFILE:
            return QStringLiteral("trop de fichiers ouverts");
        case EIO:
            return QStringLiteral("erreur de lecture ou d'écriture du disque");
        case EXDEV:
            return QStringLiteral("les deux fichiers ne sont pas sur le même disque");
        case ENOMEM:
            return QStringLiteral("mémoire insuffisante");
        default:
            return QStringLiteral("erreur système n° %1").arg(errnum);
    }
}

void raiseSystemError(int errnum, Action action, const QString& posixPath) {
    const QString name = displayName(posixPath);
    const QString folder = displayName(QFileInfo(posixPath).path());
    const QString cannot = QStringLiteral("impossible %1 %2").arg(verb(action), name);
    const QString because = cannot + QStringLiteral(" (") + systemCause(errnum) + u')';
    switch (errnum) {
        case EACCES:
        case EPERM:
            raise(err::PermissionDenied,
                  cannot + QStringLiteral(" (le dossier %1 n'accepte pas l'écriture ou le "
                                          "fichier est protégé)")
                               .arg(folder));
        case EROFS:
            raise(err::PermissionDenied,
                  cannot + QStringLiteral(" (le dossier %1 est en lecture seule)").arg(folder));
        case EBUSY:
        case ETXTBSY:
            raise(err::PermissionDenied, because);
        case ENOSPC:
        case EDQUOT:
            raise(err::DiskFull, because);
        case ENOENT:
        case ENOTDIR:
            if (action == Action::Read || action == Action::Remove) {
                raise(err::FileNotFound, name);
            }
            raise(err::PathNotFound,
                  cannot + QStringLiteral(" (le dossier %1 n'existe pas)").arg(folder));
        case ENAMETOOLONG:
            raise(err::BadFileName, because);
        case EEXIST:
        case EISDIR:
        case ENOTEMPTY:
            raise(err::PathFileAccess, because);
        default:
            raise(err::DeviceIoError, because);
    }
}

}  // namespace platform::files
