#include "platform/files/system_error.h"

#include <QFileInfo>
#include <cerrno>
#include <cstring>

#include "platform/core/error.h"
#include "platform/files/names.h"

namespace platform::files {

namespace {

QString verb(Action action) {
    switch (action) {
        case Action::Read:
            return QStringLiteral("lire");
        case Action::Write:
            return QStringLiteral("écrire");
        case Action::Copy:
            return QStringLiteral("copier vers");
        case Action::Remove:
            return QStringLiteral("supprimer");
        case Action::Rename:
            return QStringLiteral("remplacer");
        case Action::MakeFolder:
            return QStringLiteral("créer le dossier");
    }
    return {};
}

}  // namespace

void raiseSystemError(int errnum, Action action, const QString& posixPath) {
    const QString name = windowsName(posixPath);
    const QString folder = windowsName(QFileInfo(posixPath).path());
    const QString cannot = QStringLiteral("impossible de %1 %2").arg(verb(action), name);
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
        case ENOSPC:
        case EDQUOT:
            raise(err::DiskFull, cannot + QStringLiteral(" (plus de place sur le disque)"));
        case ENOENT:
        case ENOTDIR:
            if (action == Action::Read || action == Action::Remove) {
                raise(err::FileNotFound, name);
            }
            raise(err::PathNotFound,
                  cannot + QStringLiteral(" (le dossier %1 n'existe pas)").arg(folder));
        case EEXIST:
        case EISDIR:
        case ENOTEMPTY:
            raise(err::PathFileAccess, cannot + QStringLiteral(" (un dossier ou un fichier "
                                                               "porte déjà ce nom)"));
        case EXDEV:
            raise(err::DeviceIoError,
                  cannot + QStringLiteral(" (les deux fichiers ne sont pas sur le même disque)"));
        default:
            raise(err::DeviceIoError, cannot + QStringLiteral(" (%1)").arg(
                                                   QString::fromLocal8Bit(std::strerror(errnum))));
    }
}

}  // namespace platform::files
