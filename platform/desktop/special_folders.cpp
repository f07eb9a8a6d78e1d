#include "platform/desktop/special_folders.h"

#include <QDir>
#include <QFileInfo>

#include "platform/core/error.h"
#include "platform/files/faults.h"
#include "platform/files/names.h"

namespace platform::desktop {

namespace {

// Creates `path` and any missing folder above it, each readable by the user only.
bool makePrivatePath(const QString& path) {
    if (QFileInfo(path).isDir()) {
        return true;
    }
    const QString parent = QFileInfo(path).path();
    if (parent == path || !makePrivatePath(parent)) {
        return false;
    }
    try {
        files::beforeDiskChange("mkdir", path);
    } catch (const Error&) {
        return false;
    }
    return QDir().mkdir(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner) ||
           QFileInfo(path).isDir();
}

}  // namespace

QString specialFolder(int csidl) {
    if (csidl != CSIDL_PROGRAMS) {
        return {};
    }
    // The XDG rule: XDG_DATA_HOME when it is an absolute path (a relative one is invalid and
    // ignored), else ~/.local/share.
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (!QDir::isAbsolutePath(dataHome)) {
        dataHome = QDir::homePath() + QStringLiteral("/.local/share");
    }
    const QString folder = QDir::cleanPath(dataHome + QStringLiteral("/applications"));
    if (!makePrivatePath(folder)) {
        return {};
    }
    return files::windowsName(folder);
}

}  // namespace platform::desktop
